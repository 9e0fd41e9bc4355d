#pragma once
// The file dialogs of the planner as the program describes them: title, filter in the
// form "description,pattern|pattern" and the extension added to a name typed without one.
#include <string>
#include <utility>
#include <vector>

namespace numbrela {

struct TDialogoArchivo {
    const char* Titulo;
    const char* Filtro;
    const char* Extension; // without the dot; empty for none
};

// "&Abrir...", "G&rabar como..." and the ".RLF" picked by hand.
const TDialogoArchivo& DialogoAbrirApuestas();
const TDialogoArchivo& DialogoGrabarApuestas();
const TDialogoArchivo& DialogoAbrirRlf();

// The description and the patterns of a filter "description,pattern|pattern": for
// "Archivos de apuestas,*.apu|*.apu", "Archivos de apuestas" and {"*.apu"}.
std::pair<std::string, std::vector<std::string>> PartesFiltro(const std::string& filtro);

// `ruta` with ".extension" added when its file name has no extension of its own.
std::string ConExtension(const std::string& ruta, const std::string& extension);

} // namespace numbrela
