#include "app/CommandLine.h"

#include <cstdlib>
#include <system_error>

#include "settings/UserFolder.h"
#include "zones/StringTable.h"
#include "zones/Translation.h"

namespace orbel::app {

std::optional<std::string> ParseCommandLine(int argc, char** argv, Options& o)
{
    bool chosen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--data-dir") {
            if (i + 1 >= argc || std::string(argv[i + 1]).empty())
                return Tr("CommandLine", "--data-dir needs a folder");
            o.dataDir = argv[++i];
            chosen = true;
            std::error_code ec;
            if (!std::filesystem::is_directory(o.dataDir, ec))
                return FormatMessage(Tr("CommandLine", "The data folder does not exist: %1"),
                                     {o.dataDir.string()});
        } else {
            o.rest.push_back(a);
        }
    }
    if (!chosen) {
        const DataFolder d = ResolveDataFolder(ProgramFolder(argc > 0 ? argv[0] : ""),
                                               std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
        o.dataDir = d.folder;
        o.dataDirWarning = d.warning;
    }
    return std::nullopt;
}

std::filesystem::path ProgramFolder(const char* argv0)
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path();
}

std::string HelpText()
{
    return Tr("CommandLine",
              "Orbel v3.1: a world clock with time-server synchronisation.\n"
              "\n"
              "Usage: orbel [options]\n"
              "\n"
              "Options:\n"
              "  --help             show this help\n"
              "  --version          show the version\n"
              "  --data-dir FOLDER  use FOLDER instead of the program folder for every file\n"
              "                     the program reads or writes\n");
}

} // namespace orbel::app
