#pragma once
// What the luck tools keep while the program runs and never store: the current user and
// the draw date, each with the flag that says it has been given.
#include "luck/FechaSorteo.h"
#include "luck/FicheroUsuarios.h"
#include "luck/Usuario.h"

namespace numbrela {

struct TSesionSuerte {
    TUsuario UsuarioActual; // empty name, day and year 0 at start
    bool UsuarioEstablecido = false;
    TFechaSorteo FechaSorteo;
    bool FechaEstablecida = false;

    // Accepting the user window: the fields become the current user. Returns the message
    // to show, the window staying open, when a field is missing.
    std::optional<std::string> AceptaUsuario(const TFormularioUsuario& formulario);

    // "Introducir usuario en base datos": the fields become the current user (the flag
    // is not touched) and are stored after the last user of the file. Returns the message
    // when a field is missing or the file cannot take it.
    std::optional<std::string> IntroduceUsuario(const TFormularioUsuario& formulario,
                                                const TFicheroUsuarios& fichero);

    // Choosing entry `indice` of "Escoja usuario anterior...": that record becomes the
    // current user (the flag is not touched). Returns the message when it cannot be read.
    std::optional<std::string> EligeUsuario(int indice, const TFicheroUsuarios& fichero);

    // What the user window's fields show on opening: the current user when one is set
    // (the first 100 characters of the name), empty fields otherwise.
    TFormularioUsuario FormularioInicial() const;

    // Accepting the draw-date window (0 = nothing chosen in a list): stores the date and
    // sets the flag, or returns the message and clears the flag.
    std::optional<std::string> AceptaFecha(int dia, int mes, int anio);
};

} // namespace numbrela
