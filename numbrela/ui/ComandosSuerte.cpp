// The main window's commands that open the luck tools and the filling: each opens its
// window, and the slip is redrawn after a fill.
#include "generation/FlujoRelleno.h"
#include "luck/TVentanaBiorritmo.h"
#include "luck/TVentanaFechaSorteo.h"
#include "luck/TVentanaSuerte.h"
#include "luck/TVentanaUsuario.h"
#include "ui/TVentanaImagen.h"
#include "ui/TVentanaPrincipal.h"

namespace numbrela::ui {

void TVentanaPrincipal::FechaDeSorteo()
{
    TVentanaFechaSorteo(this, sesion_).exec();
}

void TVentanaPrincipal::DatosDelUsuario()
{
    TVentanaUsuario(this, sesion_, carpeta_).exec();
}

void TVentanaPrincipal::Biorritmo()
{
    TVentanaBiorritmo(this, sesion_, carpeta_).exec();
}

void TVentanaPrincipal::TusTresNumeros()
{
    TVentanaSuerte(this, sesion_, carpeta_).exec();
}

void TVentanaPrincipal::Rellenar()
{
    if (Rellena(this, conjunto_, sesion_, carpeta_, motor_, entornoRelleno_))
        Refresca();
}

void TVentanaPrincipal::PrimeraActivacion()
{
    TVentanaImagen(this, TVentanaImagen::Modo::AcercaDe).exec();
    DatosDelUsuario();
}

} // namespace numbrela::ui
