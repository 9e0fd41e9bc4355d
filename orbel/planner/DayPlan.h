#pragma once
// The meeting planner's rules: one row per clock, one column per hour of the chosen day of
// the first clock, every column one instant, so a column shows what each clock reads at the
// same moment. A day of a clock change has 23 or 25 columns in the first clock's zone; a
// clock half or a quarter of an hour off shows its cells at :30 or :45.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "clocks/Clock.h"
#include "sun/ZoneCoordinates.h"
#include "zones/DateTimeFormat.h"

namespace orbel {

// A calendar day.
struct PlanDate {
    int year = 0, month = 0, day = 0;
    bool operator==(const PlanDate&) const = default;
};
// The planner's days: 1900-01-01 .. 2100-12-31.
bool PlanDateInRange(const PlanDate& d);
// YYYY-MM-DD, every field checked; none for anything else.
std::optional<PlanDate> ParsePlanDate(const std::string& text);

// The sky over a clock's city at an instant (seconds since 1970, UTC).
enum class Sky { Unknown, Day, Twilight, Night };
using SkyAt = std::function<Sky(std::int64_t unixSeconds)>;
// The sky over a city by the sun's height there; none without a city (an Etc/ zone, a
// user's own zone), which leaves the night unshaded.
SkyAt SkyOver(std::optional<GeoPoint> city);

// One clock as the planner sees it.
struct PlanClock {
    std::string name;
    TimeZoneInformation zone;
    bool adjustForDst = true;
    std::int32_t supplementMinutes = 0;
    SkyAt sky; // none: the city is not known, nothing is shaded as night
};
PlanClock PlanClockOf(const CClock& clock, SkyAt sky = {});

// Local time minus UTC in minutes for the clock at a UTC instant (supplement included).
std::int64_t PlanOffsetMinutes(const PlanClock& clock, std::int64_t unixSeconds);

// Working hours: a cell whose local start lies from 09:00 to before 18:00.
inline constexpr int kWorkStartMinute = 9 * 60;
inline constexpr int kWorkEndMinute = 18 * 60;

struct PlanCell {
    int hour = 0, minute = 0; // local time at the cell's start
    bool work = false;        // within the working hours
    Sky sky = Sky::Unknown;   // at the middle of the cell
    bool newDay = false;      // the first cell of the row or of a new local day
    std::string hourText;     // "9", "17"
    std::string minuteText;   // ":30", ":45"; empty on the hour
    std::string dayText;      // "Thu 10" where newDay
};

struct PlanRow {
    std::string name;
    std::vector<PlanCell> cells;
};

struct DayPlan {
    PlanDate date;
    // The instant each column starts (seconds since 1970, UTC): the first clock's local
    // midnight and each hour after it until its next midnight.
    std::vector<std::int64_t> columns;
    std::vector<PlanRow> rows;
};

// The plan of `date` in the first clock's zone; empty (no columns) without clocks or for a
// date out of range.
DayPlan MakeDayPlan(const std::vector<PlanClock>& clocks, const PlanDate& date,
                    const LocaleTexts& locale = LocaleTexts{});

// "Madrid: Thu 10 Dec 2026 14:00 (UTC+01:00)": what the clock reads at the instant.
std::string InstantInClock(const PlanClock& clock, std::int64_t unixSeconds,
                           const LocaleTexts& locale = LocaleTexts{});
// The text "Copy" puts on the clipboard: the instant in every clock, one line each.
std::string PlanCopyText(const std::vector<PlanClock>& clocks, std::int64_t unixSeconds,
                         const LocaleTexts& locale = LocaleTexts{});
// One line of the command line's plan: the local HH:MM of every clock at the column's
// instant, separated by two blanks.
std::string PlanLine(const std::vector<PlanClock>& clocks, std::int64_t unixSeconds);

// The column of an instant, or none when it lies outside the day.
std::optional<std::size_t> ColumnOf(const DayPlan& plan, std::int64_t unixSeconds);

} // namespace orbel
