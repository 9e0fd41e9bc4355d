#pragma once
// The POSIX TZ string that ends a TZif file, e.g. "CET-1CEST,M3.5.0,M10.5.0/3": standard
// name and offset, and optionally a daylight name, offset and the two yearly rules.
#include <optional>
#include <string>
#include <string_view>

namespace orbel {

struct PosixTzDate {
    enum Kind { MonthWeekDay, Julian1, Julian0 } kind = MonthWeekDay;
    int month = 0, week = 0, weekday = 0; // Mm.w.d: week 5 = last, weekday 0 = Sunday
    int day = 0;                          // Jn (1..365, no 29 February) or n (0..365)
    long time = 7200;                     // seconds after local midnight; may be <0 or >=24h
};

struct PosixTzRule {
    std::string standardName, daylightName;
    long standardOffset = 0; // seconds WEST of Greenwich, as in the string (UTC = local + offset)
    long daylightOffset = 0;
    bool hasDaylight = false;
    bool hasRules = false;  // a daylight name with its rules
    PosixTzDate start, end; // daylight begins at start (standard local time), ends at end
};

// Parses a TZ string; nullopt when it does not follow the POSIX form (as extended by the
// tz database: quoted names, hours up to 167 in rule times, negative rule times).
std::optional<PosixTzRule> ParsePosixTz(std::string_view text);

} // namespace orbel
