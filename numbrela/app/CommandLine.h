#pragma once
// The planner's command line: options common to every start, and the actions that run on
// the core without opening a window.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace numbrela::app {

struct Opciones {
    bool Ayuda = false;
    bool Version = false;
    std::filesystem::path CarpetaDatos; // see CarpetaDeDatos, unless --data-dir
    std::string AvisoCarpeta;           // why the user's data folder could not be used
    std::vector<std::string> Resto;     // everything else, in order
};

// Parses argv. Returns the message to print when the line is wrong.
std::optional<std::string> AnalizaLinea(int argc, char** argv, Opciones& opciones);

// The folder of the running executable.
std::filesystem::path CarpetaDelPrograma(const char* argv0);

std::string TextoAyuda();

} // namespace numbrela::app
