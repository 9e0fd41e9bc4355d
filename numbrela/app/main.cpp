// The planner's entry point: command-line options, then the windows or an action.
#include <iostream>

#include "app/CommandLine.h"
#include "app/Ventanas.h"

int main(int argc, char** argv)
{
    using namespace numbrela::app;
    Opciones opciones;
    if (auto error = AnalizaLinea(argc, argv, opciones)) {
        std::cerr << *error << "\n";
        return 2;
    }
    if (opciones.Ayuda) {
        std::cout << TextoAyuda();
        return 0;
    }
    if (opciones.Version) {
        std::cout << "Numbrela Pro 1.36\n";
        return 0;
    }
    return ArrancaVentanas(argc, argv, opciones);
}
