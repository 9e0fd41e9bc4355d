#pragma once
// What the settings need of the computer, handed in so that tests can fix it: the folder of
// the settings file, the clock, the local-time rules, the computer's own zone, and the
// user's locale and desktop defaults.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "settings/LogFont.h"
#include "zones/DateTime.h"
#include "zones/DateTimeFormat.h"
#include "zones/RegTimeZone.h"
#include "zones/TimeZoneInformation.h"

namespace orbel {

inline constexpr std::int32_t kDefaultGuiFontHeight = 16;

struct SettingsPlatform {
    // Folder of "Orbel.dat": the program's folder unless the user chose another.
    std::filesystem::path dataFolder;
    // The computer's UTC time.
    std::function<DateTime()> utcNow;
    // A local calendar time to seconds since 1970-01-01 00:00 UTC by the local-time rules,
    // and back.
    std::function<std::int64_t(const DateTime& local)> localToUnix;
    std::function<DateTime(std::int64_t seconds)> unixToLocal;
    // The zone information the computer runs on (for the default clocks).
    std::function<TimeZoneInformation()> localZone;
    // The desktop's default font and the user's locale texts.
    LogFont defaultGuiFont;
    std::string timeSeparator = ":";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    // The first line of the built-in server list.
    std::string defaultServer;
};

// The zone information of the zone the computer runs on ($TZ, else /etc/localtime), with
// its yearly rules made exact for `year`; UTC when it cannot be read.
TimeZoneInformation ComputerZoneInformation(int year);

// The running computer: system clock, the C library's local-time rules, the local zone from
// the system's zone database, the POSIX locale's texts.
SettingsPlatform SystemSettingsPlatform(std::filesystem::path dataFolder);

// Puts the separator and designators of `texts` into the platform the settings start from.
void ApplyLocaleTexts(SettingsPlatform& platform, const LocaleTexts& texts);

} // namespace orbel
