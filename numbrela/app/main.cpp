// The planner's entry point: command-line options, then the windows or an action.
#include <iostream>

#include "app/AccionesApuestas.h"
#include "app/AccionesImpresion.h"
#include "app/AccionesReducidas.h"
#include "app/CommandLine.h"
#include "app/RelojSistema.h"

int main(int argc, char** argv)
{
    using namespace numbrela::app;
    Opciones opciones;
    if (auto error = AnalizaLinea(argc, argv, opciones)) {
        std::cerr << *error << "\n";
        return 2;
    }
    if (opciones.Ayuda) {
        std::cout << TextoAyuda() << TextoAyudaReducidas() << AyudaImprimirBoletos();
        return 0;
    }
    if (auto codigo = EjecutaAccionesReducidas(opciones.Resto, opciones.CarpetaDatos, std::cout, std::cerr))
        return *codigo;
    if (opciones.Version) {
        std::cout << "Numbrela Pro 1.36\n";
        return 0;
    }
    if (auto codigo = AccionImprimirBoletos(opciones))
        return *codigo;
    if (auto codigo = EjecutaAccionApuestas(opciones, std::cout, std::cerr, SemillaDelReloj))
        return *codigo;
    // The windows are not built yet: say plainly what this build can do.
    std::cout << "Numbrela Pro 1.36\n"
                 "Esta versión aún no tiene ventanas. Hoy sabe:\n"
                 "  --help      mostrar las opciones\n"
                 "  --version   mostrar la versión\n"
                 "  --data-dir  usar otra carpeta de datos (ahora: "
              << opciones.CarpetaDatos.string() << ")\n";
    return 0;
}
