#pragma once
// "Escoja el tipo de Reducción que desea": al TRES, al CUATRO or al CINCO, each closing
// with 1; cancel 2; "Ver tabla de Reducciones" opens the table of reductions.
#include <cstdint>

#include "controles/TDialogo.h"

namespace numbrela::ui {

class TDialogoTipoReduccion : public TDialogo {
    Q_OBJECT
public:
    // `tipoReduccion` is set to 0 while the dialog is open and to 1, 2 or 3 by the button
    // pressed; the caller restores it on cancel.
    TDialogoTipoReduccion(QWidget* parent, std::uint8_t& tipoReduccion);

protected:
    // Without an accept button Enter chooses nothing; the dialog stays open.
    void Intro() override {}

private:
    std::uint8_t& tipo_;
};

} // namespace numbrela::ui
