#pragma once
// The settings as the program loads them when it starts.
#include <filesystem>
#include <string>

#include "settings/AppSettings.h"
#include "zones/ZoneDatabase.h"

namespace orbel {

struct StartupLoad {
    bool ok = true;
    std::string message;           // the closing message when not ok
    std::filesystem::path movedTo; // where the unreadable file went, if it could be moved
};

// What happens to a settings file that cannot be read: the program's start moves it aside;
// actions that only read and report (listing the clocks, asking a server) leave it alone.
enum class BadSettingsFile { MoveAside, LeaveInPlace };

// Defaults, then the registry values and the settings file. When the file cannot be read,
// the result carries the closing message and the file has been moved to the backup name of
// the stored version, so that the next start begins from defaults (when it cannot be moved,
// the message says so and names it); the caller shows the message and ends the program
// with exit code 1. With LeaveInPlace the file stays where it
// is and the message is the reading error alone.
StartupLoad LoadSettingsAtStart(CAppSettings& settings,
                                BadSettingsFile bad = BadSettingsFile::MoveAside);

// The clocks' zones at start (the clock window does this when it is created). Merge: a zone
// list is built for Merge and the clocks refreshed from it. Ignore and Replace: every clock
// takes the record with its key from the system's tz database, so a change of the database
// reaches it; in Replace mode a clock on one of the user's own records keeps it, and when
// the user's file cannot be read no clock is touched. True when a clock was refreshed (the
// settings are then marked modified).
bool RefreshZonesAtStart(CAppSettings& settings, const ZoneSources& sources);

} // namespace orbel
