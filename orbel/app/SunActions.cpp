#include "app/SunActions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "sun/SunTimes.h"
#include "zones/ClockChange.h"
#include "zones/DateTime.h"
#include "zones/StringTable.h"
#include "zones/SystemZones.h"
#include "zones/Translation.h"

namespace orbel::app {
namespace {

constexpr int kFirstYear = 1900, kLastYear = 2100;

std::int64_t NowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool Digits(const std::string& text, std::size_t from, std::size_t count)
{
    return std::all_of(text.begin() + from, text.begin() + from + count,
                       [](char c) { return c >= '0' && c <= '9'; });
}

// YYYY-MM-DD within the years the actions accept: the day since 1970, or nullopt.
std::optional<std::int64_t> ParseDay(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 4) ||
        !Digits(text, 5, 2) || !Digits(text, 8, 2))
        return std::nullopt;
    const int y = std::stoi(text.substr(0, 4)), m = std::stoi(text.substr(5, 2)),
              d = std::stoi(text.substr(8, 2));
    if (y < kFirstYear || y > kLastYear || d < 1 || d > DaysInMonth(y, m))
        return std::nullopt;
    return DaysFromCivil(y, m, d);
}

// YYYY-MM-DDTHH:MM:SS (UTC) within those years: Unix seconds, or nullopt.
std::optional<std::int64_t> ParseInstant(const std::string& text)
{
    if (text.size() != 19 || text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
        !Digits(text, 11, 2) || !Digits(text, 14, 2) || !Digits(text, 17, 2))
        return std::nullopt;
    const auto day = ParseDay(text.substr(0, 10));
    const int h = std::stoi(text.substr(11, 2)), mi = std::stoi(text.substr(14, 2)),
              s = std::stoi(text.substr(17, 2));
    if (!day || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return *day * 86400 + h * 3600 + mi * 60 + s;
}

std::int64_t FloorDay(std::int64_t seconds)
{
    return seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
}

// "HH:MM" of an instant in the zone's local time, and the day it falls on.
std::string LocalTime(const TzifZone& zone, std::int64_t when, std::int64_t day)
{
    const std::int64_t local = when + UtcOffsetAt(zone, when);
    const std::int64_t localDay = FloorDay(local);
    const std::int64_t second = local - localDay * 86400;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(second / 3600),
                  static_cast<int>(second / 60 % 60));
    std::string result = text;
    if (localDay > day)
        result += " (next day)";
    else if (localDay < day)
        result += " (day before)";
    return result;
}

int Usage(std::ostream& err, const std::string& why)
{
    err << why << "\n\n" << Tr("CommandLine", "Usage:") << "\n" << SunActionsHelp();
    return 2;
}

} // namespace

// The lines these actions print (Sunrise:, Sunset:, Polar day, Polar night, none and the
// clock change) are read by scripts: they stay English in every language, as do the
// " (next day)" and " (day before)" after a time. Their messages and help are translated.
std::string SunActionsHelp()
{
    return Tr("CommandLine",
              "  --sun ZONE [--date YYYY-MM-DD]\n"
              "                     sunrise and sunset at the city of ZONE on that local day\n"
              "                     (default today), in the zone's local time\n"
              "  --next-change ZONE [--at YYYY-MM-DDTHH:MM:SS]\n"
              "                     the next clock change of ZONE after that UTC instant\n"
              "                     (default now) and the offsets before and after, or none\n");
}

std::optional<int> RunSunAction(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto& rest = options.rest;
    const bool sun = std::find(rest.begin(), rest.end(), "--sun") != rest.end();
    const bool change = std::find(rest.begin(), rest.end(), "--next-change") != rest.end();
    if (!sun && !change)
        return std::nullopt;
    if (sun && change)
        return Usage(err, Tr("CommandLine", "--sun and --next-change cannot be combined"));
    std::string zoneKey;
    std::optional<std::int64_t> day, at;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& a = rest[i];
        const bool hasValue = i + 1 < rest.size();
        if ((a == "--sun" || a == "--next-change") && hasValue) {
            zoneKey = rest[++i];
        } else if (a == "--date" && hasValue && sun) {
            day = ParseDay(rest[++i]);
            if (!day)
                return Usage(
                    err, Tr("CommandLine", "--date takes a date from 1900 to 2100 as YYYY-MM-DD"));
        } else if (a == "--at" && hasValue && change) {
            at = ParseInstant(rest[++i]);
            if (!at)
                return Usage(err, Tr("CommandLine", "--at takes a UTC date and time from 1900 "
                                                    "to 2100 as YYYY-MM-DDTHH:MM:SS"));
        } else {
            return Usage(err, FormatMessage(Tr("CommandLine", "Unexpected argument: %1"), {a}));
        }
    }
    if (zoneKey.empty())
        return Usage(err, sun ? Tr("CommandLine", "--sun needs a zone")
                              : Tr("CommandLine", "--next-change needs a zone"));

    TzifZone zone;
    std::string error;
    if (!ReadZoneFile(kSystemZoneFolder, zoneKey, zone, error)) {
        err << FormatMessage(Tr("CommandLine", "No zone named %1 (%2)"), {zoneKey, error}) << "\n";
        return 1;
    }
    if (change) {
        const auto next = NextClockChange(zone, at ? *at : NowSeconds());
        out << (next ? ClockChangeLine(*next) : "none") << '\n';
        return 0;
    }
    const auto where = SystemZoneAtlas().Find(zoneKey);
    if (!where) {
        err << FormatMessage(Tr("CommandLine", "%1 names no city, so it has no sunrise or sunset"),
                             {zoneKey})
            << "\n";
        return 1;
    }
    if (!day) {
        const std::int64_t now = NowSeconds();
        day = FloorDay(now + UtcOffsetAt(zone, now));
    }
    // The day's offset, taken at its middle (clocks change at night).
    const std::int64_t middle = *day * 86400 + 43200;
    const int offsetMinutes = UtcOffsetAt(zone, middle - UtcOffsetAt(zone, middle)) / 60;
    int y = 0, m = 0, d = 0;
    CivilFromDays(*day, y, m, d);
    const SunDay sunDay = SunTimesOn(*where, y, m, d, offsetMinutes);
    switch (sunDay.kind) {
    case SunDay::PolarDay:
        out << "Polar day\n";
        break;
    case SunDay::PolarNight:
        out << "Polar night\n";
        break;
    case SunDay::Normal:
        out << "Sunrise: " << (sunDay.rises ? LocalTime(zone, sunDay.sunrise, *day) : "none")
            << "\nSunset: " << (sunDay.sets ? LocalTime(zone, sunDay.sunset, *day) : "none")
            << '\n';
        break;
    }
    return 0;
}

} // namespace orbel::app
