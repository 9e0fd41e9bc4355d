#include "zones/ClockChange.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "zones/DateTime.h"
#include "zones/FileBytes.h"
#include "zones/PosixTzRule.h"

namespace orbel {
namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int YearOf(std::int64_t unixSeconds)
{
    int year = 0, month = 0, day = 0;
    CivilFromDays(FloorDiv(unixSeconds, kDay), year, month, day);
    return year;
}

// The day (counted from 1970-01-01) that a rule names in a year.
std::int64_t RuleDay(const PosixTzDate& d, int year)
{
    const std::int64_t january1 = DaysFromCivil(year, 1, 1);
    switch (d.kind) {
    case PosixTzDate::Julian1: // 1..365, 29 February never counted
        return january1 + d.day - 1 + (IsLeapYear(year) && d.day >= 60 ? 1 : 0);
    case PosixTzDate::Julian0: // 0..365, 29 February counted
        return january1 + d.day;
    case PosixTzDate::MonthWeekDay:
        break;
    }
    const std::int64_t first = DaysFromCivil(year, d.month, 1);
    const int firstWeekday = static_cast<int>(((first + 4) % 7 + 7) % 7); // 1970-01-01: Thursday
    std::int64_t day = first + (d.weekday - firstWeekday + 7) % 7 + (d.week - 1) * 7;
    while (day >= first + DaysInMonth(year, d.month))
        day -= 7; // week 5: the last such weekday
    return day;
}

struct RuleEvent {
    std::int64_t when;
    int year;
    std::int32_t offsetAfter;
};

// The rule's changes in the years from..to, in time order; of two at the same instant the
// earlier year's comes first (a zone on daylight time all year ends one year's daylight time
// at the very second it starts the next).
std::vector<RuleEvent> RuleEvents(const PosixTzRule& rule, int from, int to)
{
    const auto standard = static_cast<std::int32_t>(-rule.standardOffset);
    const auto daylight = static_cast<std::int32_t>(-rule.daylightOffset);
    std::vector<RuleEvent> events;
    for (int year = from; year <= to; ++year) {
        // The start is given in standard time, the end in daylight time.
        events.push_back({RuleDay(rule.start, year) * kDay + rule.start.time + rule.standardOffset,
                          year, daylight});
        events.push_back(
            {RuleDay(rule.end, year) * kDay + rule.end.time + rule.daylightOffset, year, standard});
    }
    std::stable_sort(events.begin(), events.end(), [](const RuleEvent& a, const RuleEvent& b) {
        return a.when != b.when ? a.when < b.when : a.year < b.year;
    });
    return events;
}

// The offset a yearly rule gives at `when`, and the rule's events around it with the index
// of the first after it.
std::int32_t RuleOffsetAt(const PosixTzRule& rule, std::int64_t when,
                          std::vector<RuleEvent>& events, std::size_t& next)
{
    const int year = YearOf(when);
    events = RuleEvents(rule, year - 2, year + 3);
    std::int32_t current = static_cast<std::int32_t>(-rule.standardOffset);
    next = 0;
    for (; next < events.size() && events[next].when <= when; ++next)
        current = events[next].offsetAfter;
    return current;
}

// The first change of a yearly rule strictly after `after`, from the offset in force then.
std::optional<ClockChange> NextRuleChange(const PosixTzRule& rule, std::int64_t after)
{
    const int year = YearOf(after);
    std::vector<RuleEvent> events;
    std::size_t i = 0;
    std::int32_t current = RuleOffsetAt(rule, after, events, i);
    // The last year's events only complete the year before it (an end of daylight time may
    // meet the next year's start at the same second).
    while (i < events.size() && events[i].year < year + 3) {
        const std::int64_t when = events[i].when;
        std::int32_t offset = current;
        for (; i < events.size() && events[i].when == when; ++i)
            offset = events[i].offsetAfter;
        if (offset != current)
            return ClockChange{when, current, offset};
    }
    return std::nullopt;
}

bool ValidZoneKey(const std::string& key)
{
    if (key.empty() || key.size() > 255 || key.front() == '/' ||
        key.find("..") != std::string::npos)
        return false;
    return std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '/' || c == '_' || c == '-' || c == '+';
    });
}

} // namespace

std::optional<ClockChange> NextClockChange(const TzifZone& zone, std::int64_t after)
{
    if (zone.types.empty())
        return std::nullopt;
    const auto& transitions = zone.transitions;
    const auto next = std::upper_bound(
        transitions.begin(), transitions.end(), after,
        [](std::int64_t t, const TzifZone::Transition& transition) { return t < transition.when; });
    std::int32_t current = next == transitions.begin() ? zone.types.front().offset
                                                       : zone.types[std::prev(next)->type].offset;
    for (auto t = next; t != transitions.end(); ++t) {
        const std::int32_t offset = zone.types[t->type].offset;
        if (offset != current)
            return ClockChange{t->when, current, offset};
    }
    // Past the last transition the yearly rule holds.
    const auto rule = ParsePosixTz(zone.footer);
    if (!rule || !rule->hasDaylight || !rule->hasRules)
        return std::nullopt;
    const std::int64_t from =
        transitions.empty() ? after : std::max(after, transitions.back().when);
    auto change = NextRuleChange(*rule, from);
    if (change && from > after)
        change->offsetBefore = current; // the table's last offset, which the rule continues
    return change;
}

std::int32_t UtcOffsetAt(const TzifZone& zone, std::int64_t when)
{
    if (zone.types.empty())
        return 0;
    const auto& transitions = zone.transitions;
    if (transitions.empty() || when >= transitions.back().when) {
        const auto rule = ParsePosixTz(zone.footer);
        if (rule && (!rule->hasDaylight || rule->hasRules)) {
            if (!rule->hasDaylight)
                return static_cast<std::int32_t>(-rule->standardOffset);
            std::vector<RuleEvent> events;
            std::size_t next = 0;
            return RuleOffsetAt(*rule, when, events, next);
        }
    }
    const auto next = std::upper_bound(
        transitions.begin(), transitions.end(), when,
        [](std::int64_t t, const TzifZone::Transition& transition) { return t < transition.when; });
    return next == transitions.begin() ? zone.types.front().offset
                                       : zone.types[std::prev(next)->type].offset;
}

bool ReadZoneFile(const std::filesystem::path& folder, const std::string& key, TzifZone& zone,
                  std::string& error)
{
    if (!ValidZoneKey(key)) {
        error = "\"" + key + "\" is not a zone name";
        return false;
    }
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(folder / key, 4 << 20, bytes, error))
        return false;
    if (!ReadTzifZone(bytes, zone, error)) {
        error = "damaged zone file " + (folder / key).string() + ": " + error;
        return false;
    }
    return true;
}

std::string UtcOffsetText(std::int32_t secondsEast)
{
    const char sign = secondsEast < 0 ? '-' : '+';
    const std::int64_t a = secondsEast < 0 ? -static_cast<std::int64_t>(secondsEast) : secondsEast;
    char text[32];
    if (a % 60 != 0)
        std::snprintf(text, sizeof text, "%c%02lld:%02lld:%02lld", sign,
                      static_cast<long long>(a / 3600), static_cast<long long>(a / 60 % 60),
                      static_cast<long long>(a % 60));
    else
        std::snprintf(text, sizeof text, "%c%02lld:%02lld", sign, static_cast<long long>(a / 3600),
                      static_cast<long long>(a / 60 % 60));
    return text;
}

std::string ClockChangeLine(const ClockChange& change)
{
    const std::int64_t days = FloorDiv(change.when, kDay);
    const std::int64_t second = change.when - days * kDay;
    int year = 0, month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ ", year, month, day,
                  static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60));
    return text + UtcOffsetText(change.offsetBefore) + " -> " + UtcOffsetText(change.offsetAfter);
}

} // namespace orbel
