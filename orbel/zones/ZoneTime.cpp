#include "zones/ZoneTime.h"

#include <cmath>
#include <cstdint>

namespace orbel {
namespace {

PlatformZoneConversion& Platform()
{
    static PlatformZoneConversion conversion;
    return conversion;
}

bool& PlatformSwitch()
{
    static bool on = false; // no platform conversion on this system
    return on;
}

// Date-times have a resolution of one second: compare instants on whole seconds so that
// the tie at a transition instant is not lost to rounding of the day fraction.
std::int64_t Seconds(const DateTime& d)
{
    const double s = std::round(d.Linear() * 86400.0);
    if (!std::isfinite(s) || std::fabs(s) > 9.0e15)
        return s < 0 ? INT64_MIN / 2 : INT64_MAX / 2;
    return static_cast<std::int64_t>(s);
}

} // namespace

SystemTime ToSystemTime(const DateTime& value, std::uint16_t milliseconds)
{
    SystemTime t;
    t.wMilliseconds = milliseconds;
    CalendarTime c;
    if (!value.ToCalendar(c))
        return t;
    t.wYear = static_cast<std::uint16_t>(c.year);
    t.wMonth = static_cast<std::uint16_t>(c.month);
    t.wDayOfWeek = static_cast<std::uint16_t>(c.dayOfWeek);
    t.wDay = static_cast<std::uint16_t>(c.day);
    t.wHour = static_cast<std::uint16_t>(c.hour);
    t.wMinute = static_cast<std::uint16_t>(c.minute);
    t.wSecond = static_cast<std::uint16_t>(c.second);
    return t;
}

DateTime FromSystemTime(const SystemTime& t)
{
    return DateTime::FromCalendar(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

DateTime TransitionForYear(const SystemTime& rule, int year)
{
    if (rule.wYear != 0)
        return DateTime::FromCalendar(rule.wYear, rule.wMonth, rule.wDay, rule.wHour, rule.wMinute,
                                      rule.wSecond);
    const DateTime first =
        DateTime::FromCalendar(year, rule.wMonth, 1, rule.wHour, rule.wMinute, rule.wSecond);
    if (!first.valid())
        return first;
    const int d = first.WeekdayNumber() - 1; // 0 = Sunday
    const int w = rule.wDayOfWeek;
    const int offset = (w >= d ? w - d : w - d + 7) + 7 * (static_cast<int>(rule.wDay) - 1);
    DateTime result = first + DateTimeSpan(offset);
    if (rule.wDay >= 5 && result.Calendar().month != rule.wMonth)
        result -= DateTimeSpan(7);
    return result;
}

bool IsDaylightTime(const TimeZoneInformation& z, const DateTime& utc)
{
    if (!z.HasDaylightSaving())
        return false;
    const std::int64_t t = Seconds(utc) - std::int64_t{z.Bias} * 60;
    const int year = utc.Calendar().year; // the rules of the UTC year, not the local one
    std::int64_t d = Seconds(TransitionForYear(z.DaylightDate, year));
    std::int64_t s = Seconds(TransitionForYear(z.StandardDate, year));
    // D is stated in standard local time, S in daylight local time: bring both onto the
    // scale of UTC minus Bias.
    s += std::int64_t{z.DaylightBias} * 60;
    d += std::int64_t{z.StandardBias} * 60;
    if (d < s)
        return d <= t && t < s; // northern order
    return t < s || t >= d;     // southern order (D = S included)
}

std::int64_t ZoneOffsetMinutes(const TimeZoneInformation& z, const DateTime& utc)
{
    // In 64 bits: the biases of a damaged file may be anything.
    const std::int64_t bias = z.Bias;
    if (!z.HasDaylightSaving())
        return -bias; // StandardBias does not apply without daylight saving
    return -bias -
           (IsDaylightTime(z, utc) ? std::int64_t{z.DaylightBias} : std::int64_t{z.StandardBias});
}

SystemTime UtcToZoneTime(const TimeZoneInformation& zone, const SystemTime& utc)
{
    const DateTime u = FromSystemTime(utc);
    const DateTime local = u + DateTimeSpan::FromMinutes(ZoneOffsetMinutes(zone, u));
    return ToSystemTime(local, utc.wMilliseconds);
}

DateTime GetCurrentTime(const CRegTimeZone& zone, bool adjust, const UtcClock& utcNow)
{
    const DateTime u = utcNow();
    if (!adjust)
        return u - DateTimeSpan::FromMinutes(zone.info.Bias);
    if (PlatformSwitch() && Platform()) {
        SystemTime local;
        if (Platform()(zone.info, ToSystemTime(u), local))
            return FromSystemTime(local);
        PlatformSwitch() = false;
    }
    return u + DateTimeSpan::FromMinutes(ZoneOffsetMinutes(zone.info, u));
}

void SetPlatformZoneConversion(PlatformZoneConversion conversion)
{
    Platform() = std::move(conversion);
    PlatformSwitch() = static_cast<bool>(Platform());
}

bool PlatformZoneConversionOn()
{
    return PlatformSwitch();
}

} // namespace orbel
