#pragma once
// The world clock's command line: options common to every start, and the actions that run
// on the core without opening a window.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orbel::app {

struct Options {
    bool help = false;
    bool version = false;
    std::filesystem::path dataDir; // see ResolveDataFolder, unless --data-dir
    std::string dataDirWarning;    // why the user's folder could not be used
    std::vector<std::string> rest; // everything else, in order
};

// Parses argv. Returns the message to print when the line is wrong.
std::optional<std::string> ParseCommandLine(int argc, char** argv, Options& options);

// The folder of the running executable.
std::filesystem::path ProgramFolder(const char* argv0);

std::string HelpText();

} // namespace orbel::app
