#pragma once
// A fixed computer for the settings: a clock stopped at 2026-12-08 21:00:00 UTC, local time
// one hour ahead of UTC all year, Paris as the computer's own zone.
#include <filesystem>

#include "settings/AppSettings.h"

namespace orbel::test {

inline TimeZoneInformation ParisInformation()
{
    TimeZoneInformation z;
    z.Bias = -60;
    z.DaylightBias = -60;
    z.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
    z.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};
    return z;
}

inline SettingsPlatform FixedPlatform(std::filesystem::path folder)
{
    SettingsPlatform p;
    p.dataFolder = std::move(folder);
    p.utcNow = [] { return DateTime::FromCalendar(2026, 12, 8, 21, 0, 0); };
    p.localToUnix = [](const DateTime& local) {
        return static_cast<std::int64_t>(local.ToUnixSeconds()) - 3600;
    };
    p.unixToLocal = [](std::int64_t s) {
        return DateTime::FromUnixSeconds(static_cast<double>(s + 3600));
    };
    p.localZone = [] { return ParisInformation(); };
    p.defaultGuiFont.weight = 400;
    p.defaultGuiFont.height = -11;
    p.defaultGuiFont.SetFace("DejaVu Sans");
    p.timeSeparator = ".";
    p.amDesignator = "a.m.";
    p.pmDesignator = "p.m.";
    p.defaultServer = "time.example.org Somewhere";
    return p;
}

} // namespace orbel::test
