#pragma once
// "Escoja el tipo de Reducción que desea": al TRES, al CUATRO or al CINCO (also the keys
// 3, 4 and 5), each closing with 1; cancel 2; "Ver tabla de Reducciones" opens the table
// of reductions. Beside each guarantee, the table's bets and the compact design's for the
// numbers chosen, and the check box "Diseño compacto" that picks the compact design.
#include <cstdint>
#include <filesystem>

#include "controles/TDialogo.h"
#include "model/CabeceraApuestas.h"

class QCheckBox;
class QLabel;

namespace numbrela::ui {

class TDialogoTipoReduccion : public TDialogo {
    Q_OBJECT
public:
    // `tipoReduccion` is set to 0 while the dialog is open and to 1, 2 or 3 by the button
    // pressed; the caller restores it on cancel. `compacta` follows the check box. The
    // counts are those of the numbers in `cabecera` (none before they are chosen), read
    // from the designs in `carpeta`.
    TDialogoTipoReduccion(QWidget* parent, std::uint8_t& tipoReduccion, bool& compacta,
                          const CabeceraApuestas& cabecera, const std::filesystem::path& carpeta);

    QCheckBox* Compacta() const { return compacta_; }
    QLabel* Oferta(int garantia) const { return ofertas_[garantia - 3]; }

protected:
    // Without an accept button Enter chooses nothing; the dialog stays open.
    void Intro() override {}

private:
    std::uint8_t& tipo_;
    QCheckBox* compacta_;
    QLabel* ofertas_[3];
};

} // namespace numbrela::ui
