#pragma once
// "Atención !!!": the date of the draw the bets are prepared for, chosen from three lists
// that open on the stored date. The session checks and keeps it.
#include "controles/TDialogo.h"
#include "luck/SesionSuerte.h"

class QComboBox;

namespace numbrela::ui {

class TVentanaFechaSorteo : public TDialogo {
    Q_OBJECT
public:
    TVentanaFechaSorteo(QWidget* parent, TSesionSuerte& sesion);

    QComboBox* Dia() const { return dia_; }
    QComboBox* Mes() const { return mes_; }
    QComboBox* Anio() const { return anio_; }

protected:
    void Intro() override { Acepta(); }

private:
    void Acepta();

    TSesionSuerte& sesion_;
    QComboBox* dia_;
    QComboBox* mes_;
    QComboBox* anio_;
};

} // namespace numbrela::ui
