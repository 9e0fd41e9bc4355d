#include "settings/SettingsStartup.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

#include "settings/SettingsFile.h"

namespace orbel {

StartupLoad LoadSettingsAtStart(CAppSettings& settings, BadSettingsFile bad)
{
    settings.SetDefaults();
    const LoadResult r = settings.Load();
    if (r.status != LoadResult::Status::Failed)
        return {};
    StartupLoad out;
    out.ok = false;
    // An error without text gets the standard report of a failed read.
    const std::string error =
        r.error.empty() ? FormatMessage(Tr("Settings", "An unexpected error occurred while "
                                                       "reading %1."),
                                        {settings.SettingsFilePath().string()})
                        : r.error;
    if (bad == BadSettingsFile::LeaveInPlace) {
        out.message = error;
        return out;
    }
    out.movedTo = RetireBadSettingsFile(settings.SettingsFilePath(), settings.storedVersion);
    out.message = out.movedTo.empty() ? BadSettingsKeptMessage(error, CAppSettings::kAppName,
                                                               settings.SettingsFilePath())
                                      : BadSettingsMessage(error, CAppSettings::kAppName);
    return out;
}

bool RefreshZonesAtStart(CAppSettings& settings, const ZoneSources& sources)
{
    const ZoneDatabaseUsage usage = UsageFromOptions(settings.displayFlags);
    if (usage == ZoneDatabaseUsage::Merge) {
        CRegTimeZoneList zones;
        BuildZoneList(zones, ZoneDatabaseUsage::Merge, sources);
        return settings.RefreshZones(zones);
    }
    CRegTimeZoneList own;
    if (usage == ZoneDatabaseUsage::Replace) {
        std::string error;
        if (!LoadZoneDatabase(own, sources.programFolder, error))
            return false;
        own.KeepOnly(kZoneFilterReplacement);
    }
    CRegTimeZoneList system;
    BuildZoneList(system, ZoneDatabaseUsage::Ignore, sources);
    if (!settings.clocks.RefreshZonesByKey(system, &own))
        return false;
    settings.SetModified();
    return true;
}

} // namespace orbel
