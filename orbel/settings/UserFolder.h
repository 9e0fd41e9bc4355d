#pragma once
// Where the world clock keeps its files. From the build tree (or any folder that is not an
// installed "bin") that is the program's own folder, as always. Installed
// (<prefix>/bin/orbel beside <prefix>/share/orbel), the program's folder is not the user's
// to write, so the settings and the corrected zone database go to the user's configuration
// folder: $XDG_CONFIG_HOME/orbel, else ~/.config/orbel.
#include <filesystem>
#include <string>

namespace orbel {

struct DataFolder {
    std::filesystem::path folder; // read and written by the program
    std::string warning;          // not empty: the user's folder could not be used, and why
};

// programFolder: the folder of the running executable. xdgConfigHome and home: the
// environment's values (null or empty when unset).
DataFolder ResolveDataFolder(const std::filesystem::path& programFolder, const char* xdgConfigHome,
                             const char* home);

} // namespace orbel
