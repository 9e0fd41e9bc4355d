#include "planner/DayPlan.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "sun/SunTimes.h"
#include "zones/ZoneTime.h"

namespace orbel {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kHour = 3600;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

std::int64_t LocalSeconds(const PlanClock& clock, std::int64_t utc)
{
    return utc + 60 * PlanOffsetMinutes(clock, utc);
}

// The first instant at which the clock reads `target` (local seconds) or later. The clock's
// reading only jumps where its offset changes, and offsets stay within a day, so the answer
// is target minus one of the offsets in force around it: the earliest that reaches it. On a
// change that skips the target (spring forward at midnight) that is the change itself.
std::int64_t FirstInstantReaching(const PlanClock& clock, std::int64_t target)
{
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const std::int64_t around :
         {target - 2 * kDay, target - kDay / 2, target, target + kDay / 2, target + 2 * kDay}) {
        const std::int64_t u = target - 60 * PlanOffsetMinutes(clock, around);
        if (LocalSeconds(clock, u) >= target)
            best = std::min(best, u);
    }
    if (best == std::numeric_limits<std::int64_t>::max())
        best = target - 60 * PlanOffsetMinutes(clock, target); // offsets that change twice
    return best;
}

DateTime AsDateTime(std::int64_t seconds)
{
    return DateTime::FromUnixSeconds(static_cast<double>(seconds));
}

std::string TwoDigits(std::int64_t n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(n));
    return text;
}

std::string OffsetText(std::int64_t minutes)
{
    const char sign = minutes < 0 ? '-' : '+';
    const std::int64_t m = minutes < 0 ? -minutes : minutes;
    return std::string("UTC") + sign + TwoDigits(m / 60) + ":" + TwoDigits(m % 60);
}

} // namespace

bool PlanDateInRange(const PlanDate& d)
{
    return d.year >= 1900 && d.year <= 2100 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= DaysInMonth(d.year, d.month);
}

std::optional<PlanDate> ParsePlanDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    const PlanDate d{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                     std::stoi(text.substr(8, 2))};
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysInMonth(d.year, d.month))
        return std::nullopt;
    return d;
}

SkyAt SkyOver(std::optional<GeoPoint> city)
{
    if (!city)
        return {};
    return [where = *city](std::int64_t at) {
        switch (DaylightAt(where, at)) {
        case Daylight::Day:
            return Sky::Day;
        case Daylight::Twilight:
            return Sky::Twilight;
        case Daylight::Night:
            break;
        }
        return Sky::Night;
    };
}

PlanClock PlanClockOf(const CClock& clock, SkyAt sky)
{
    return {clock.name, clock.zone.info, clock.AdjustsForDst(), clock.supplement, std::move(sky)};
}

std::int64_t PlanOffsetMinutes(const PlanClock& clock, std::int64_t unixSeconds)
{
    const std::int64_t zone = clock.adjustForDst
                                  ? ZoneOffsetMinutes(clock.zone, AsDateTime(unixSeconds))
                                  : -std::int64_t{clock.zone.Bias};
    return zone + clock.supplementMinutes;
}

DayPlan MakeDayPlan(const std::vector<PlanClock>& clocks, const PlanDate& date,
                    const LocaleTexts& locale)
{
    DayPlan plan;
    plan.date = date;
    if (clocks.empty() || !PlanDateInRange(date))
        return plan;
    const std::int64_t midnight = DaysFromCivil(date.year, date.month, date.day) * kDay;
    const std::int64_t start = FirstInstantReaching(clocks.front(), midnight);
    const std::int64_t end = FirstInstantReaching(clocks.front(), midnight + kDay);
    for (std::int64_t t = start; t < end; t += kHour)
        plan.columns.push_back(t);

    for (const PlanClock& clock : clocks) {
        PlanRow row;
        row.name = clock.name;
        std::int64_t lastDay = std::numeric_limits<std::int64_t>::min();
        for (const std::int64_t utc : plan.columns) {
            const std::int64_t local = LocalSeconds(clock, utc);
            const std::int64_t day = FloorDiv(local, kDay);
            const std::int64_t minuteOfDay = (local - day * kDay) / 60;
            PlanCell cell;
            cell.hour = static_cast<int>(minuteOfDay / 60);
            cell.minute = static_cast<int>(minuteOfDay % 60);
            cell.work = minuteOfDay >= kWorkStartMinute && minuteOfDay < kWorkEndMinute;
            cell.sky = clock.sky ? clock.sky(utc + kHour / 2) : Sky::Unknown;
            cell.newDay = day != lastDay;
            lastDay = day;
            cell.hourText = std::to_string(cell.hour);
            if (cell.minute != 0)
                cell.minuteText = ":" + TwoDigits(cell.minute);
            if (cell.newDay)
                cell.dayText = FormatDateTime(AsDateTime(local), "%a %#d", locale);
            row.cells.push_back(std::move(cell));
        }
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

std::string InstantInClock(const PlanClock& clock, std::int64_t unixSeconds,
                           const LocaleTexts& locale)
{
    const std::int64_t offset = PlanOffsetMinutes(clock, unixSeconds);
    const DateTime local = AsDateTime(unixSeconds + 60 * offset);
    return clock.name + ": " + FormatDateTime(local, "%a %#d %b %Y %H:%M", locale) + " (" +
           OffsetText(offset) + ")";
}

std::string PlanCopyText(const std::vector<PlanClock>& clocks, std::int64_t unixSeconds,
                         const LocaleTexts& locale)
{
    std::string text;
    for (const PlanClock& clock : clocks)
        text += InstantInClock(clock, unixSeconds, locale) + "\n";
    return text;
}

std::string PlanLine(const std::vector<PlanClock>& clocks, std::int64_t unixSeconds)
{
    std::string line;
    for (const PlanClock& clock : clocks) {
        const std::int64_t local = LocalSeconds(clock, unixSeconds);
        const std::int64_t minuteOfDay = (local - FloorDiv(local, kDay) * kDay) / 60;
        if (!line.empty())
            line += "  ";
        line += TwoDigits(minuteOfDay / 60) + ":" + TwoDigits(minuteOfDay % 60);
    }
    return line;
}

std::optional<std::size_t> ColumnOf(const DayPlan& plan, std::int64_t unixSeconds)
{
    if (plan.columns.empty() || unixSeconds < plan.columns.front() ||
        unixSeconds >= plan.columns.back() + kHour)
        return std::nullopt;
    return static_cast<std::size_t>((unixSeconds - plan.columns.front()) / kHour);
}

} // namespace orbel
