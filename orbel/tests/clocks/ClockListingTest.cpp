// The text of `orbel --clocks`.
#include <gtest/gtest.h>

#include "clocks/ClockListing.h"

namespace orbel {
namespace {

TEST(ClockListing, EveryClockInOrderWithItsTimeTabSeparated)
{
    CClockList list;
    CClock& utc = list.Add();
    utc.name = "UTC";
    CClock& ny = list.Add();
    ny.name = "New York";
    ny.zone.info.Bias = 300;
    ny.zone.info.DaylightBias = -60;
    ny.zone.info.StandardDate = {0, 11, 0, 1, 2, 0, 0, 0};
    ny.zone.info.DaylightDate = {0, 3, 0, 2, 2, 0, 0, 0};
    CClock& hidden = list.Add();
    hidden.name = "Odd\tname";
    hidden.flags = 0; // not shown in the window, listed all the same
    hidden.supplement = -30;
    // 2026-07-01 03:15:09 UTC: New York on daylight time (UTC-4) is still on 30 June.
    const DateTime now = DateTime::FromCalendar(2026, 7, 1, 3, 15, 9);
    EXPECT_EQ(ClockListing(list, now), "UTC\t2026-07-01 03:15:09\n"
                                       "New York\t2026-06-30 23:15:09\n"
                                       "Odd name\t2026-07-01 02:45:09\n");
    EXPECT_EQ(ClockListing(CClockList(), now), "");
    EXPECT_EQ(FormatIsoTime(DateTime::Invalid()), "invalid");
}

} // namespace
} // namespace orbel
