// The calendar value: its day numbering (including before 1899-12-30, where the integer
// part counts back and the fraction forwards), rounding to the second, leap years, weekday
// numbers, arithmetic and status.
#include <gtest/gtest.h>

#include "zones/DateTime.h"

using namespace orbel;

TEST(DateTime, DayNumbersAroundTheEpoch)
{
    EXPECT_EQ(DateTime::FromCalendar(1899, 12, 30).days(), 0.0);
    EXPECT_EQ(DateTime::FromCalendar(1900, 1, 1).days(), 2.0);
    // 2000-01-01 is day 36526; 26 years of which 7 leap, then 341 days into 2026.
    EXPECT_EQ(DateTime::FromCalendar(2000, 1, 1).days(), 36526.0);
    EXPECT_EQ(DateTime::FromCalendar(2026, 12, 8).days(), 46364.0);
    EXPECT_EQ(DateTime::FromCalendar(2026, 12, 8, 18).days(), 46364.75);
    // Before the epoch: 1899-12-29 06:00 is -1.25, 18:00 of that day -1.75.
    EXPECT_EQ(DateTime::FromCalendar(1899, 12, 29, 6).days(), -1.25);
    EXPECT_EQ(DateTime::FromCalendar(1899, 12, 29, 18).days(), -1.75);
    EXPECT_EQ(DateTime::FromCalendar(1899, 12, 28).days(), -2.0);
    const CalendarTime c = DateTime(-1.25).Calendar();
    EXPECT_EQ(c.year, 1899);
    EXPECT_EQ(c.month, 12);
    EXPECT_EQ(c.day, 29);
    EXPECT_EQ(c.hour, 6);
    // The earliest and latest dates the value knows.
    EXPECT_TRUE(DateTime::FromCalendar(100, 1, 1).valid());
    EXPECT_EQ(DateTime::FromCalendar(100, 1, 1).Calendar().year, 100);
    EXPECT_EQ(DateTime::FromCalendar(9999, 12, 31, 23, 59, 59).Calendar().second, 59);
    EXPECT_FALSE(DateTime::FromCalendar(99, 12, 31).valid());
    EXPECT_FALSE(DateTime::FromCalendar(10000, 1, 1).valid());
}

TEST(DateTime, ArithmeticAcrossTheEpoch)
{
    const DateTime threeAm = DateTime::FromCalendar(1899, 12, 30, 3);
    const DateTime back = threeAm - DateTimeSpan::FromMinutes(6 * 60);
    EXPECT_EQ(back, DateTime::FromCalendar(1899, 12, 29, 21));
    EXPECT_EQ(back.days(), -1.875);
    EXPECT_EQ((threeAm - back).TotalSeconds(), 6 * 3600);
    EXPECT_EQ(back + DateTimeSpan(1), DateTime::FromCalendar(1899, 12, 30, 21));
    EXPECT_TRUE(back < threeAm);
    EXPECT_TRUE(DateTime(-1.75) > DateTime(-1.25)); // 18:00 after 06:00 of the same day
    EXPECT_EQ(DateTimeSpan::FromDHMS(1, 2, 3, 4).TotalSeconds(), 86400 + 7384);
}

TEST(DateTime, RoundsToTheNearestSecond)
{
    const DateTime noon = DateTime::FromCalendar(2026, 6, 1, 12);
    EXPECT_EQ((noon + DateTimeSpan::FromSeconds(0.4)).Calendar().second, 0);
    EXPECT_EQ((noon + DateTimeSpan::FromSeconds(0.6)).Calendar().second, 1);
    // 23:59:59.7 rounds into the next day, month and year.
    const CalendarTime c =
        (DateTime::FromCalendar(2026, 12, 31, 23, 59, 59) + DateTimeSpan::FromSeconds(0.7))
            .Calendar();
    EXPECT_EQ(c.year, 2027);
    EXPECT_EQ(c.month, 1);
    EXPECT_EQ(c.day, 1);
    EXPECT_EQ(c.hour, 0);
    EXPECT_EQ(c.second, 0);
    EXPECT_EQ(c.dayOfYear, 1);
}

TEST(DateTime, LeapYears)
{
    EXPECT_TRUE(DateTime::FromCalendar(2024, 2, 29).valid());
    EXPECT_TRUE(DateTime::FromCalendar(2000, 2, 29).valid());
    EXPECT_FALSE(DateTime::FromCalendar(2100, 2, 29).valid());
    EXPECT_FALSE(DateTime::FromCalendar(2026, 2, 29).valid());
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2028, 2), 29);
    EXPECT_EQ(DateTime::FromCalendar(2028, 12, 31).Calendar().dayOfYear, 366);
    EXPECT_EQ((DateTime::FromCalendar(2028, 3, 1) - DateTime::FromCalendar(2028, 2, 28)).days(),
              2.0);
    EXPECT_FALSE(DateTime::FromCalendar(2026, 4, 31).valid());
    EXPECT_FALSE(DateTime::FromCalendar(2026, 1, 1, 24).valid());
}

TEST(DateTime, WeekdayNumbersStartOnSunday)
{
    EXPECT_EQ(DateTime::FromCalendar(2026, 12, 6).WeekdayNumber(), 1);         // a Sunday
    EXPECT_EQ(DateTime::FromCalendar(2026, 12, 8, 23, 59).WeekdayNumber(), 3); // Tuesday
    EXPECT_EQ(DateTime::FromCalendar(1899, 12, 30).WeekdayNumber(), 7);        // a Saturday
    EXPECT_EQ(DateTime(-1.25).WeekdayNumber(), 6);                             // Friday 06:00
    EXPECT_EQ(DateTime::FromCalendar(2026, 3, 1).Calendar().dayOfWeek, 0);
    EXPECT_EQ(DateTime::Null().WeekdayNumber(), 0);
}

TEST(DateTime, StatusAndUnixSeconds)
{
    EXPECT_FALSE(
        (DateTime::FromCalendar(2026, 1, 1) + DateTimeSpan(1, DateTimeStatus::Invalid)).valid());
    EXPECT_TRUE((DateTime::Null() - DateTime::Null()).status() == DateTimeStatus::Null);
    CalendarTime c;
    EXPECT_FALSE(DateTime::Null().ToCalendar(c));
    EXPECT_FALSE(DateTime(1e300).ToCalendar(c));
    EXPECT_EQ(DateTime::FromUnixSeconds(0), DateTime::FromCalendar(1970, 1, 1));
    EXPECT_EQ(DateTime::FromCalendar(2026, 1, 1).ToUnixSeconds(), 1767225600.0);
    // Eighteen hours before 1899-12-30 00:00 is 06:00 of the day before.
    EXPECT_EQ(DateTime::FromUnixSeconds(-2209161600.0 - 64800.0), DateTime(-1.25));
}
