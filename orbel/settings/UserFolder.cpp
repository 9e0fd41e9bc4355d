#include "settings/UserFolder.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace orbel {

namespace fs = std::filesystem;

DataFolder ResolveDataFolder(const fs::path& programFolder, const char* xdgConfigHome,
                             const char* home)
{
    std::error_code ec;
    const fs::path shared = programFolder.parent_path() / "share" / "orbel";
    if (programFolder.filename() != "bin" || !fs::is_directory(shared, ec))
        return {programFolder, {}};

    fs::path user;
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        user = fs::path(xdgConfigHome) / "orbel";
    else if (home && home[0] == '/')
        user = fs::path(home) / ".config" / "orbel";
    std::string reason;
    if (user.empty())
        reason = Tr("Settings", "the home folder (HOME) is not known");
    else if (fs::create_directories(user, ec); ec)
        reason = ec.message();
    else if (::access(user.c_str(), W_OK | X_OK) != 0)
        reason = std::error_code(errno, std::generic_category()).message();
    if (reason.empty())
        return {user, {}};
    const std::string folder = user.empty() ? Tr("Settings", "in the home folder") : user.string();
    return {shared, FormatMessage(Tr("Settings", "Cannot use the data folder %1 (%2); the settings "
                                                 "are read from %3 and will not be saved."),
                                  {folder, reason, shared.string()})};
}

} // namespace orbel
