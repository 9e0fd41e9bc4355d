#include "principal/qt/OrdenesSuerte.h"

#include <QAction>

#include "luck/qt/TVentanaBiorritmo.h"
#include "luck/qt/TVentanaFechaSorteo.h"
#include "luck/qt/TVentanaSuerte.h"
#include "luck/qt/TVentanaUsuario.h"
#include "principal/qt/AccionesVentana.h"
#include "principal/qt/TVentanaImagen.h"
#include "principal/qt/TVentanaPrincipal.h"

namespace numbrela::ui {

TOrdenesSuerte::TOrdenesSuerte(TVentanaPrincipal& ventana, TEntornoRelleno entorno)
    : QObject(&ventana), ventana_(ventana), entorno_(std::move(entorno)),
      motorAzarix_(ventana.Carpeta())
{
    TAccionesVentana& a = ventana.Acciones();
    const std::pair<QAction*, void (TOrdenesSuerte::*)()> ordenes[] = {
        {a.FechaSorteo, &TOrdenesSuerte::FechaDeSorteo},
        {a.DatosUsuario, &TOrdenesSuerte::DatosDelUsuario},
        {a.Rellenar, &TOrdenesSuerte::Rellenar},
        {a.Biorritmo, &TOrdenesSuerte::Biorritmo},
        {a.Tus3Numeros, &TOrdenesSuerte::TusTresNumeros},
    };
    for (const auto& [accion, orden] : ordenes) {
        connect(accion, &QAction::triggered, this, orden);
        accion->setEnabled(true);
    }
}

void TOrdenesSuerte::FechaDeSorteo()
{
    TVentanaFechaSorteo(&ventana_, sesion_).exec();
}

void TOrdenesSuerte::DatosDelUsuario()
{
    TVentanaUsuario(&ventana_, sesion_, ventana_.Carpeta()).exec();
}

void TOrdenesSuerte::Biorritmo()
{
    TVentanaBiorritmo(&ventana_, sesion_, ventana_.Carpeta()).exec();
}

void TOrdenesSuerte::TusTresNumeros()
{
    TVentanaSuerte(&ventana_, sesion_, ventana_.Carpeta()).exec();
}

void TOrdenesSuerte::Rellenar()
{
    if (Rellena(&ventana_, ventana_.Conjunto(), sesion_, ventana_.Carpeta(), motorAzarix_,
                entorno_))
        ventana_.Refresca();
}

void TOrdenesSuerte::PrimeraActivacion()
{
    TVentanaImagen(&ventana_, TVentanaImagen::Modo::AcercaDe).exec();
    DatosDelUsuario();
}

} // namespace numbrela::ui
