#include "app/ClockActions.h"

#include <algorithm>
#include <chrono>
#include <ostream>
#include <system_error>

#include "clocks/ClockListing.h"
#include "settings/FileRegistryStore.h"
#include "settings/SettingsPlatform.h"
#include "settings/SettingsStartup.h"
#include "zones/StringTable.h"
#include "zones/Translation.h"
#include "zones/qt/LocaleAdapter.h"

namespace orbel::app {

std::string ClockActionsHelp()
{
    return Tr("CommandLine",
              "  --clocks           list the clocks of the settings (Orbel.dat in the data\n"
              "                     folder): name and current time, tab-separated\n");
}

std::optional<int> RunClockAction(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto& rest = options.rest;
    if (std::find(rest.begin(), rest.end(), "--clocks") == rest.end())
        return std::nullopt;
    if (rest.size() != 1) {
        err << Tr("CommandLine", "--clocks takes no other argument") << "\n";
        return 2;
    }
    // A listing changes nothing in the store: it only reads the version recorded there.
    FileRegistryStore store(FileRegistryStore::DefaultFolder());
    store.SetReadOnly(true);
    std::error_code ec;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    SettingsPlatform platform = SystemSettingsPlatform(options.dataDir);
    ApplyLocaleTexts(platform, UserLocaleTexts());
    CAppSettings settings(store, platform, program);
    // A listing reads and reports: a damaged file stays where it is.
    const StartupLoad load = LoadSettingsAtStart(settings, BadSettingsFile::LeaveInPlace);
    if (!load.ok) {
        err << load.message << "\n";
        return 1;
    }
    const DateTime now = platform.utcNow();
    ZoneSources sources;
    sources.programFolder = options.dataDir;
    sources.referenceYear = now.Calendar().year;
    RefreshZonesAtStart(settings, sources);
    out << ClockListing(settings.clocks, now);
    return 0;
}

} // namespace orbel::app
