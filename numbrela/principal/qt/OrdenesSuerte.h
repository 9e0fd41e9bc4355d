#pragma once
// The main window's luck tools and filling: "&Fecha de Sorteo...", "&Datos del usuario...",
// "&Rellenar", "&Biorritmo..." and "&Tus 3 números" open their windows, and the first
// activation shows the about picture, then the user window. It keeps what the luck tools
// keep for the run (current user and draw date); the windows and rules are those of the
// luck and generation folders.
#include <QObject>

#include "generation/Reducidas.h"
#include "luck/SesionSuerte.h"
#include "luck/qt/FlujoRelleno.h"

namespace numbrela::ui {

class TVentanaPrincipal;

class TOrdenesSuerte : public QObject {
    Q_OBJECT
public:
    // Connects and enables the window's five actions. `entorno` gives the filling its seed
    // and the Azarix window its timer (the clock's in the program).
    explicit TOrdenesSuerte(TVentanaPrincipal& ventana,
                            TEntornoRelleno entorno = EntornoDelReloj());

    TSesionSuerte& Sesion() { return sesion_; }

    void FechaDeSorteo();
    void DatosDelUsuario();
    void Rellenar();
    void Biorritmo();
    void TusTresNumeros();
    // Once per run, at the main window's first activation.
    void PrimeraActivacion();

private:
    TVentanaPrincipal& ventana_;
    TEntornoRelleno entorno_;
    TSesionSuerte sesion_; // for this run only, never stored
    // Azarix unranks with its own tables of 49, leaving the window's reduced system alone.
    TReducidas motorAzarix_;
};

} // namespace numbrela::ui
