#pragma once
// "Marque la cantidad de CRUCES ": six picture buttons, in the order of the multiple codes
// 1 to 6 (7, 8, 5, 9, 10 and 11 crosses), each closing with 1; cancel 2.
#include "controles/TDialogo.h"

namespace numbrela::ui {

class TDialogoMultiple : public TDialogo {
    Q_OBJECT
public:
    explicit TDialogoMultiple(QWidget* parent);
    int Codigo() const { return codigo_; } // 0 while none was chosen

protected:
    // Without an accept button Enter chooses nothing; the dialog stays open.
    void Intro() override {}

private:
    int codigo_ = 0;
};

} // namespace numbrela::ui
