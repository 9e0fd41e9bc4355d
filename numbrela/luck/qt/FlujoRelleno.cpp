#include "luck/qt/FlujoRelleno.h"

#include <chrono>

#include "controles/TServicios.h"
#include "luck/Azarix.h"
#include "luck/Relleno.h"
#include "luck/qt/TDialogoRelleno.h"
#include "luck/qt/TVentanaAzarix.h"

namespace numbrela::ui {

TEntornoRelleno EntornoDelReloj()
{
    TEntornoRelleno e;
    e.Semilla = [] {
        return static_cast<std::uint64_t>(
                   std::chrono::system_clock::now().time_since_epoch().count()) ^
               static_cast<std::uint64_t>(
                   std::chrono::steady_clock::now().time_since_epoch().count());
    };
    return e;
}

bool Rellena(QWidget* padre, TConjuntoApuestas& conjunto, const TSesionSuerte& sesion,
             const std::filesystem::path& carpeta, TMotorReducidas& motor,
             const TEntornoRelleno& entorno)
{
    auto avisa = [padre](const std::string& m) {
        TServicios::Actuales().Avisa(padre, QString::fromStdString(m));
    };
    if (auto error = PreparaRelleno(conjunto, sesion)) {
        avisa(*error);
        return false;
    }
    TDialogoRelleno eleccion(padre);
    eleccion.exec();
    switch (eleccion.Eleccion()) {
    case TEleccionRelleno::AlAzar: {
        TAzar azar(entorno.Semilla());
        if (auto error = RellenaAlAzar(conjunto, azar))
            avisa(*error);
        break;
    }
    case TEleccionRelleno::Azarix: {
        if (auto error = AntesDeAzarix(conjunto)) {
            avisa(*error);
            break;
        }
        TVentanaAzarix ventana(padre, TAzar(entorno.Semilla()),
                               entorno.Temporizador ? entorno.Temporizador() : nullptr);
        ventana.exec();
        if (auto error = RellenaConAzarix(conjunto, sesion.FechaSorteo, carpeta, motor))
            avisa(*error);
        break;
    }
    case TEleccionRelleno::Ninguna:
    case TEleccionRelleno::Cancelar:
        break;
    }
    return true;
}

} // namespace numbrela::ui
