#pragma once
// Where the planner reads and writes its files. From the build tree (or any folder that is
// not an installed "bin") that is the program's own folder, as always. Installed, the
// delivered files live in <prefix>/share/numbrela, which the user cannot write; the
// program then works in the user's data folder ($XDG_DATA_HOME/numbrela, else
// ~/.local/share/numbrela), where each delivered file is reached through a symbolic link
// to share/numbrela made at start. What the program writes (the last-file record, the
// users file, generated fixed-number systems) lands there beside the links; a file of the
// user's own is never replaced by a link.
#include <filesystem>
#include <string>

namespace numbrela {

struct TCarpetaDatos {
    std::filesystem::path Carpeta; // read and written by the program
    std::string Aviso;             // not empty: the user's folder could not be used, and why
};

// carpetaPrograma: the folder of the running executable. xdgDataHome and home: the
// environment's values (null or empty when unset).
TCarpetaDatos CarpetaDeDatos(const std::filesystem::path& carpetaPrograma, const char* xdgDataHome,
                             const char* home);

} // namespace numbrela
