// The planner's entry point: command-line options, then the windows or an action.
#include <iostream>

#include "app/AccionesApuestas.h"
#include "app/AccionesImpresion.h"
#include "app/AccionesReducidas.h"
#include "app/CommandLine.h"
#include "app/RelojSistema.h"
#include "app/Ventanas.h"

int main(int argc, char** argv)
{
    using namespace numbrela::app;
    Opciones opciones;
    if (auto error = AnalizaLinea(argc, argv, opciones)) {
        std::cerr << *error << "\n";
        return 2;
    }
    if (!opciones.AvisoCarpeta.empty())
        std::cerr << opciones.AvisoCarpeta << "\n";
    if (opciones.Ayuda) {
        std::cout << TextoAyuda() << TextoAyudaReducidas() << TextoAyudaApuestas()
                  << AyudaImprimirBoletos();
        return 0;
    }
    if (auto codigo =
            EjecutaAccionesReducidas(opciones.Resto, opciones.CarpetaDatos, std::cout, std::cerr))
        return *codigo;
    if (opciones.Version) {
        std::cout << "Numbrela Pro 1.36\n";
        return 0;
    }
    if (auto codigo = AccionImprimirBoletos(opciones))
        return *codigo;
    if (auto codigo = EjecutaAccionApuestas(opciones, std::cout, std::cerr, SemillaDelReloj))
        return *codigo;
    return ArrancaVentanas(argc, argv, opciones);
}
