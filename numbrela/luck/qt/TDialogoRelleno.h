#pragma once
// "Rellenado de apuestas....": how to fill the bets. "Completamente al azar" closes with
// 100, Azarix with 200, cancel with 2; Enter closes with 1, which fills nothing.
#include "controles/TDialogo.h"
#include "luck/Relleno.h"

namespace numbrela::ui {

class TDialogoRelleno : public TDialogo {
    Q_OBJECT
public:
    explicit TDialogoRelleno(QWidget* parent);

    TEleccionRelleno Eleccion() const { return static_cast<TEleccionRelleno>(result()); }

protected:
    void Intro() override { done(static_cast<int>(TEleccionRelleno::Ninguna)); }
};

} // namespace numbrela::ui
