#pragma once
// What the luck tools keep while the program runs and never store: the current user and
// the draw date, each with the flag that says it has been given.
#include "luck/FechaSorteo.h"
#include "luck/Usuario.h"

namespace numbrela {

struct TSesionSuerte {
    TUsuario UsuarioActual;           // empty name, day and year 0 at start
    bool UsuarioEstablecido = false;
    TFechaSorteo FechaSorteo;
    bool FechaEstablecida = false;

    // Accepting the user window: the fields become the current user. Returns the message
    // to show, the window staying open, when a field is missing.
    std::optional<std::string> AceptaUsuario(const TFormularioUsuario& formulario);

    // Accepting the draw-date window (0 = nothing chosen in a list): stores the date and
    // sets the flag, or returns the message and clears the flag.
    std::optional<std::string> AceptaFecha(int dia, int mes, int anio);
};

} // namespace numbrela
