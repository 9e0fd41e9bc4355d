// Rules and zone time: the transition of a rule in a year, the conversion of UTC into a
// zone's local time on both sides of each transition, and the zone's current time.
#include <gtest/gtest.h>

#include "zones/ZoneTime.h"

using namespace orbel;

namespace {

SystemTime Rule(int month, int dayOfWeek, int day, int hour, int minute = 0)
{
    return SystemTime{0,
                      std::uint16_t(month),
                      std::uint16_t(dayOfWeek),
                      std::uint16_t(day),
                      std::uint16_t(hour),
                      std::uint16_t(minute),
                      0,
                      0};
}

SystemTime Utc(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
{
    return SystemTime{std::uint16_t(y), std::uint16_t(mo), 0,
                      std::uint16_t(d), std::uint16_t(h),  std::uint16_t(mi),
                      std::uint16_t(s), std::uint16_t(ms)};
}

// Central Europe: daylight from the last Sunday of March 02:00, standard from the last
// Sunday of October 03:00.
TimeZoneInformation Paris()
{
    TimeZoneInformation z;
    z.Bias = -60;
    z.DaylightBias = -60;
    z.DaylightDate = Rule(3, 0, 5, 2);
    z.StandardDate = Rule(10, 0, 5, 3);
    return z;
}

// Eastern Australia: daylight from the first Sunday of October 02:00, standard from the
// first Sunday of April 03:00.
TimeZoneInformation Sydney()
{
    TimeZoneInformation z;
    z.Bias = -600;
    z.DaylightBias = -60;
    z.DaylightDate = Rule(10, 0, 1, 2);
    z.StandardDate = Rule(4, 0, 1, 3);
    return z;
}

std::string Local(const TimeZoneInformation& z, const SystemTime& u)
{
    const SystemTime t = UtcToZoneTime(z, u);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond);
    return buf;
}

} // namespace

TEST(TransitionForYear, LastSundayOfMarchIn2026And2027)
{
    // March 2026 has five Sundays (1, 8, 15, 22, 29); March 2027 four (7 .. 28), so the
    // fifth would be 4 April and a week is taken off.
    EXPECT_EQ(TransitionForYear(Rule(3, 0, 5, 2), 2026), DateTime::FromCalendar(2026, 3, 29, 2));
    EXPECT_EQ(TransitionForYear(Rule(3, 0, 5, 2), 2027), DateTime::FromCalendar(2027, 3, 28, 2));
}

TEST(TransitionForYear, WeekdayCountingFromTheFirstOfTheMonth)
{
    // 1 March 2026 is a Sunday: the first Sunday is the 1st itself.
    EXPECT_EQ(TransitionForYear(Rule(3, 0, 1, 0), 2026), DateTime::FromCalendar(2026, 3, 1));
    // The first Saturday of March 2026 comes six days later; the second Monday is the 9th.
    EXPECT_EQ(TransitionForYear(Rule(3, 6, 1, 0), 2026), DateTime::FromCalendar(2026, 3, 7));
    EXPECT_EQ(TransitionForYear(Rule(3, 1, 2, 0), 2026), DateTime::FromCalendar(2026, 3, 9));
    // Minutes and seconds of the rule are kept.
    EXPECT_EQ(TransitionForYear(SystemTime{0, 10, 0, 5, 23, 59, 59, 0}, 2026),
              DateTime::FromCalendar(2026, 10, 25, 23, 59, 59));
    // February of a leap year: the last Sunday of February 2028 is the 27th, the last
    // Tuesday the 29th.
    EXPECT_EQ(TransitionForYear(Rule(2, 0, 5, 0), 2028), DateTime::FromCalendar(2028, 2, 27));
    EXPECT_EQ(TransitionForYear(Rule(2, 2, 5, 0), 2028), DateTime::FromCalendar(2028, 2, 29));
}

TEST(TransitionForYear, AbsoluteAndOutOfRangeRules)
{
    const SystemTime absolute{2026, 4, 3, 12, 1, 30, 0, 0};
    EXPECT_EQ(TransitionForYear(absolute, 1999), DateTime::FromCalendar(2026, 4, 12, 1, 30));
    EXPECT_FALSE(TransitionForYear(Rule(13, 0, 1, 0), 2026).valid());
    EXPECT_FALSE(TransitionForYear(Rule(3, 0, 1, 24), 2026).valid());
}

TEST(UtcToZoneTime, NorthernZoneAroundBothTransitions)
{
    const TimeZoneInformation z = Paris();
    // 29 March 2026: 01:00 UTC is the transition instant and already daylight time.
    EXPECT_EQ(Local(z, Utc(2026, 3, 29, 0, 59)), "2026-03-29 01:59:00");
    EXPECT_EQ(Local(z, Utc(2026, 3, 29, 1, 0)), "2026-03-29 03:00:00");
    // 25 October 2026: 03:00 daylight time = 01:00 UTC starts standard time.
    EXPECT_EQ(Local(z, Utc(2026, 10, 25, 0, 59)), "2026-10-25 02:59:00");
    EXPECT_EQ(Local(z, Utc(2026, 10, 25, 1, 0)), "2026-10-25 02:00:00");
    // 2027: 28 March and 31 October.
    EXPECT_EQ(Local(z, Utc(2027, 3, 28, 0, 59, 59)), "2027-03-28 01:59:59");
    EXPECT_EQ(Local(z, Utc(2027, 3, 28, 1, 0)), "2027-03-28 03:00:00");
    EXPECT_EQ(Local(z, Utc(2027, 10, 31, 1, 0)), "2027-10-31 02:00:00");
    // Weekday and milliseconds of the result: 29 March 2026 is a Sunday.
    const SystemTime t = UtcToZoneTime(z, Utc(2026, 3, 29, 1, 0, 0, 250));
    EXPECT_EQ(t.wDayOfWeek, 0);
    EXPECT_EQ(t.wMilliseconds, 250);
}

TEST(UtcToZoneTime, SouthernZone)
{
    const TimeZoneInformation z = Sydney();
    EXPECT_EQ(Local(z, Utc(2026, 1, 15, 0, 0)), "2026-01-15 11:00:00"); // summer: +11
    EXPECT_EQ(Local(z, Utc(2026, 7, 15, 0, 0)), "2026-07-15 10:00:00"); // winter: +10
    // Standard time from Sunday 5 April 2026 03:00 daylight time = 4 April 16:00 UTC.
    EXPECT_EQ(Local(z, Utc(2026, 4, 4, 15, 59)), "2026-04-05 02:59:00");
    EXPECT_EQ(Local(z, Utc(2026, 4, 4, 16, 0)), "2026-04-05 02:00:00");
    // Daylight time from Sunday 4 October 2026 02:00 standard time = 3 October 16:00 UTC.
    EXPECT_EQ(Local(z, Utc(2026, 10, 3, 15, 59)), "2026-10-04 01:59:00");
    EXPECT_EQ(Local(z, Utc(2026, 10, 3, 16, 0)), "2026-10-04 03:00:00");
}

TEST(UtcToZoneTime, RulesOfTheUtcYearAtNewYear)
{
    // Ten hours ahead, daylight time from the first Friday of January 00:00 to the first
    // Sunday of March. At 31 December 2026 23:30 UTC it is already 1 January 2027 (a
    // Friday) locally, but the rules of 2026 decide: daylight time began on 2 January
    // 2026 and ended on 1 March 2026, so standard time is shown.
    TimeZoneInformation z;
    z.Bias = -600;
    z.DaylightBias = -60;
    z.DaylightDate = Rule(1, 5, 1, 0);
    z.StandardDate = Rule(3, 0, 1, 3);
    EXPECT_EQ(Local(z, Utc(2026, 12, 31, 23, 30)), "2027-01-01 09:30:00");
    // Half an hour later the UTC year is 2027 as well, and daylight time is in force.
    EXPECT_EQ(Local(z, Utc(2027, 1, 1, 0, 0)), "2027-01-01 11:00:00");
}

TEST(UtcToZoneTime, WithoutDaylightSavingOnlyBiasApplies)
{
    TimeZoneInformation z = Paris();
    z.StandardDate.wMonth = 0;
    z.StandardBias = 30;
    EXPECT_EQ(Local(z, Utc(2026, 7, 1, 12, 0)), "2026-07-01 13:00:00");
    z = Paris();
    z.DaylightDate.wMonth = 0;
    EXPECT_EQ(Local(z, Utc(2026, 7, 1, 12, 0)), "2026-07-01 13:00:00");
    // A zone behind UTC, across midnight and the year's end.
    TimeZoneInformation west;
    west.Bias = 300;
    EXPECT_EQ(Local(west, Utc(2027, 1, 1, 2, 0)), "2026-12-31 21:00:00");
}

TEST(UtcToZoneTime, StandardBiasShiftsTheDaylightStart)
{
    // StandardBias applies in standard time and moves the daylight start onto its scale.
    TimeZoneInformation z = Paris();
    z.StandardBias = -30;
    // Standard time is UTC+1:30; daylight begins at 02:00 of that time = 00:30 UTC.
    EXPECT_EQ(Local(z, Utc(2026, 3, 29, 0, 29)), "2026-03-29 01:59:00");
    EXPECT_EQ(Local(z, Utc(2026, 3, 29, 0, 30)), "2026-03-29 02:30:00");
}

TEST(UtcToZoneTime, ExtremeBiasesOfADamagedRecordDoNotOverflow)
{
    TimeZoneInformation z = Paris();
    z.Bias = INT32_MIN;
    z.DaylightBias = INT32_MAX;
    z.StandardBias = INT32_MIN;
    // The standard start moves INT32_MAX minutes later, so daylight time is in force and
    // the offset is -INT32_MIN - INT32_MAX = 1 minute.
    EXPECT_EQ(ZoneOffsetMinutes(z, DateTime::FromCalendar(2026, 7, 1)), 1);
    EXPECT_EQ(Local(z, Utc(2026, 7, 1, 12, 0)), "2026-07-01 12:01:00");
    // Without daylight saving the offset is 2^31 minutes (4083 years and some).
    z.DaylightDate.wMonth = 0;
    EXPECT_EQ(ZoneOffsetMinutes(z, DateTime::FromCalendar(2026, 7, 1)), std::int64_t{1} << 31);
    EXPECT_EQ(Local(z, Utc(2026, 7, 1, 12, 0)), "6109-07-24 14:08:00");
    // Beyond year 9999 the result is an empty time with the milliseconds kept.
    const SystemTime t = UtcToZoneTime(z, Utc(9000, 7, 1, 12, 0, 0, 7));
    EXPECT_EQ(t.wYear, 0);
    EXPECT_EQ(t.wMilliseconds, 7);
}

TEST(UtcToZoneTime, AbsoluteRulesApplyToTheirOwnYearOnly)
{
    TimeZoneInformation z = Paris();
    z.DaylightDate = SystemTime{2026, 3, 0, 29, 2, 0, 0, 0};
    z.StandardDate = SystemTime{2026, 10, 0, 25, 3, 0, 0, 0};
    EXPECT_EQ(Local(z, Utc(2026, 7, 1, 12, 0)), "2026-07-01 14:00:00");
    EXPECT_EQ(Local(z, Utc(2027, 7, 1, 12, 0)), "2027-07-01 13:00:00");
}

TEST(GetCurrentTime, AdjustmentDecidesOnDaylightSaving)
{
    CRegTimeZone z;
    z.info = Paris();
    const UtcClock summer = [] { return DateTime::FromCalendar(2026, 7, 1, 12, 0, 0); };
    EXPECT_FALSE(PlatformZoneConversionOn());
    EXPECT_EQ(GetCurrentTime(z, false, summer), DateTime::FromCalendar(2026, 7, 1, 13, 0, 0));
    EXPECT_EQ(GetCurrentTime(z, true, summer), DateTime::FromCalendar(2026, 7, 1, 14, 0, 0));
    // Fractions of a second of the clock are kept.
    const UtcClock fraction = [] {
        return DateTime::FromCalendar(2026, 1, 1, 0, 0, 0) + DateTimeSpan::FromSeconds(0.25);
    };
    EXPECT_NEAR(
        (GetCurrentTime(z, true, fraction) - DateTime::FromCalendar(2026, 1, 1, 1, 0, 0)).days() *
            86400.0,
        0.25, 1e-4);
}

TEST(GetCurrentTime, PlatformConversionIsDroppedAtItsFirstFailure)
{
    CRegTimeZone z;
    z.info = Paris();
    const UtcClock summer = [] { return DateTime::FromCalendar(2026, 7, 1, 12, 0, 0); };
    int calls = 0;
    SetPlatformZoneConversion([&](const TimeZoneInformation&, const SystemTime&, SystemTime& out) {
        ++calls;
        if (calls > 1)
            return false;
        out = SystemTime{2000, 1, 0, 1, 0, 0, 0, 0};
        return true;
    });
    EXPECT_EQ(GetCurrentTime(z, true, summer), DateTime::FromCalendar(2000, 1, 1));
    EXPECT_EQ(GetCurrentTime(z, true, summer), DateTime::FromCalendar(2026, 7, 1, 14, 0, 0));
    EXPECT_FALSE(PlatformZoneConversionOn());
    EXPECT_EQ(GetCurrentTime(z, true, summer), DateTime::FromCalendar(2026, 7, 1, 14, 0, 0));
    EXPECT_EQ(calls, 2);
    SetPlatformZoneConversion(nullptr);
}
