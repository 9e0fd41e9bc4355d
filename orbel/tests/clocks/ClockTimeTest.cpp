// A clock's time and the conversion between two clocks, on a stopped UTC clock.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "clocks/Clock.h"

namespace orbel {
namespace {

// Times compared to the second, as clocks show them.
std::string Shown(const DateTime& t)
{
    CalendarTime c;
    if (!t.ToCalendar(c))
        return "invalid";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    return text;
}

const DateTime kJulyNoonUtc = DateTime::FromCalendar(2026, 7, 1, 12, 0, 0);

CClock ParisClock()
{
    CClock c;
    c.zone.info.Bias = -60;
    c.zone.info.DaylightBias = -60;
    c.zone.info.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
    c.zone.info.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};
    return c;
}

CClock TokyoClock()
{
    CClock c;
    c.zone.info.Bias = -540;
    return c;
}

TEST(ClockTime, ZoneTimeWithOrWithoutDaylightSavingPlusTheSupplement)
{
    CClock paris = ParisClock();
    EXPECT_EQ(Shown(paris.GetTime(kJulyNoonUtc)),
              Shown(DateTime::FromCalendar(2026, 7, 1, 14, 0, 0)));
    paris.flags &= ~CClock::kAdjustForDst;
    EXPECT_EQ(Shown(paris.GetTime(kJulyNoonUtc)),
              Shown(DateTime::FromCalendar(2026, 7, 1, 13, 0, 0)));
    paris.flags |= CClock::kAdjustForDst;
    paris.supplement = 90;
    EXPECT_EQ(Shown(paris.GetTime(kJulyNoonUtc)),
              Shown(DateTime::FromCalendar(2026, 7, 1, 15, 30, 0)));
    paris.supplement = -1440;
    EXPECT_EQ(Shown(paris.GetTime(kJulyNoonUtc)),
              Shown(DateTime::FromCalendar(2026, 6, 30, 14, 0, 0)));
    // A new clock is on UTC.
    EXPECT_EQ(Shown(CClock().GetTime(kJulyNoonUtc)), Shown(kJulyNoonUtc));
}

TEST(ClockTime, ConversionUsesTodaysDifference)
{
    const CClock paris = ParisClock();
    const CClock tokyo = TokyoClock();
    // Paris shows 14:00 and Tokyo 21:00 now: seven hours apart.
    EXPECT_EQ(
        Shown(tokyo.ConvertTime(paris, DateTime::FromCalendar(2026, 7, 1, 8, 0, 0), kJulyNoonUtc)),
        Shown(DateTime::FromCalendar(2026, 7, 1, 15, 0, 0)));
    EXPECT_EQ(
        Shown(paris.ConvertTime(tokyo, DateTime::FromCalendar(2026, 7, 2, 3, 30, 0), kJulyNoonUtc)),
        Shown(DateTime::FromCalendar(2026, 7, 1, 20, 30, 0)));
    // A January date keeps July's difference (in January the zones are eight hours apart).
    EXPECT_EQ(
        Shown(tokyo.ConvertTime(paris, DateTime::FromCalendar(2027, 1, 10, 8, 0, 0), kJulyNoonUtc)),
        Shown(DateTime::FromCalendar(2027, 1, 10, 15, 0, 0)));
    // No time given: the other clock's current time, that is this clock's own time.
    EXPECT_EQ(Shown(tokyo.ConvertTime(paris, std::nullopt, kJulyNoonUtc)),
              Shown(DateTime::FromCalendar(2026, 7, 1, 21, 0, 0)));
}

TEST(ClockTime, ConversionWithItselfGivesTheTimeBack)
{
    CClock paris = ParisClock();
    paris.supplement = 37;
    for (const DateTime& t : {DateTime::FromCalendar(2026, 3, 29, 2, 30, 0),
                              DateTime::FromCalendar(1999, 12, 31, 23, 59, 59),
                              DateTime::FromCalendar(2026, 7, 1, 0, 0, 0)})
        EXPECT_EQ(Shown(paris.ConvertTime(paris, t, kJulyNoonUtc)), Shown(t));
}

} // namespace
} // namespace orbel
