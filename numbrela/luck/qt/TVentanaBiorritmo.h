#pragma once
// "Biorritmo ": the biorhythm of luck of the current user for a month and year chosen
// from the lists. "&Calcular" asks the core for the month's bars and hands them to the
// chart one after another, the window repainting after each.
#include <filesystem>

#include "controles/TDialogo.h"
#include "luck/SesionSuerte.h"

class QComboBox;

namespace numbrela::ui {

class TGraficoBiorritmo;
class TPanel;

class TVentanaBiorritmo : public TDialogo {
    Q_OBJECT
public:
    TVentanaBiorritmo(QWidget* parent, const TSesionSuerte& sesion,
                      const std::filesystem::path& carpeta);

    TGraficoBiorritmo* Grafico() const { return grafico_; }
    QComboBox* Mes() const { return mes_; }
    QComboBox* Anio() const { return anio_; }
    TPanel* PanelUsuario() const { return usuario_; }

    void Calcula();

private:
    const TSesionSuerte& sesion_;
    std::filesystem::path carpeta_;
    TGraficoBiorritmo* grafico_;
    QComboBox* mes_;
    QComboBox* anio_;
    TPanel* usuario_;
};

} // namespace numbrela::ui
