// The conversion window and the quick time window, worked through as a user meets them.
#include <gtest/gtest.h>

#include "clocks/Conversion.h"

namespace orbel {
namespace {

const DateTime kNow = DateTime::FromCalendar(2026, 12, 8, 10, 0, 0); // Tuesday, UTC

CClock Plain(const char* name, int bias, bool active = true)
{
    CClock c;
    c.name = name;
    c.zone.info.Bias = bias;
    if (!active)
        c.flags &= ~CClock::kActive;
    return c;
}

std::string HourMinute(const DateTime& t)
{
    return FormatDateTime(t, "%H:%M");
}

TEST(Conversion, TypedTimeAcrossMidnightIntoTheDayBefore)
{
    const CClock london = Plain("London", 0);
    const CClock tokyo = Plain("Tokyo", -540); // nine hours ahead
    // 8:00 typed for Tokyo on Tuesday 8 is 23:00 of Monday 7 in London.
    ConversionResult r = ConvertTypedTime(tokyo, london, "8:00", kNow, {}, HourMinute);
    EXPECT_TRUE(r.defined);
    EXPECT_EQ(r.targetTime, "23:00");
    EXPECT_EQ(r.sourceDay, "Tue 08");
    EXPECT_EQ(r.targetDay, "Mon 07");
    // And back: 20:30 in London is 05:30 of Wednesday in Tokyo.
    r = ConvertTypedTime(london, tokyo, "8:30 PM", kNow, {}, HourMinute);
    EXPECT_EQ(r.targetTime, "05:30");
    EXPECT_EQ(r.targetDay, "Wed 09");
    // A supplement of 90 minutes counts too.
    CClock late = Plain("Late", 0);
    late.supplement = 90;
    EXPECT_EQ(ConvertTypedTime(london, late, "23:00:15", kNow, {}, HourMinute).targetTime, "00:30");

    // Letters, an hour past 23, a minute past 59 or nothing: "Undefined", no days.
    for (const char* typed : {"eight", "25:00", "8:60", "", "8", "8:00 XM", "8:00:00:00"}) {
        r = ConvertTypedTime(tokyo, london, typed, kNow, {}, HourMinute);
        EXPECT_FALSE(r.defined) << typed;
        EXPECT_EQ(r.targetTime, "Undefined") << typed;
        EXPECT_EQ(r.sourceDay, "") << typed;
        EXPECT_EQ(r.targetDay, "") << typed;
    }
    EXPECT_EQ(AfterClockChange("8:00", {}), ClockChangeAction::Convert);
    EXPECT_EQ(AfterClockChange("", {}), ClockChangeAction::ResetRow);
}

TEST(Conversion, RowsWhenTheWindowOpens)
{
    CClockList clocks;
    clocks.Add(Plain("London", 0));
    clocks.Add(Plain("Tokyo", -540));
    clocks.Add(Plain("Paris", -60, false));
    clocks.Add(Plain("New York", 300));
    TimeZoneInformation computer; // the computer runs on UTC: London's zone

    // A double-click at x = 150 of a 193-pixel window with three shown clocks: columns are
    // 64 pixels wide, so the third shown clock, New York (index 3 of the whole list).
    ConversionRows rows =
        ConversionStartRows(clocks, computer, PointerInClockWindow{150, 10, 193, 50});
    EXPECT_FALSE(rows.refused);
    EXPECT_EQ(rows.row1, 0);
    EXPECT_EQ(rows.row2, 3);
    // x = 192 would be column 3: the last one is taken.
    EXPECT_EQ(ConversionStartRows(clocks, computer, PointerInClockWindow{192, 10, 193, 50}).row2,
              3);
    // From the menu, the pointer outside: row 1 is the first clock, so row 2 the second.
    EXPECT_EQ(ConversionStartRows(clocks, computer, PointerInClockWindow{-5, 10, 193, 50}).row2, 1);
    EXPECT_EQ(ConversionStartRows(clocks, computer, std::nullopt).row2, 1);
    // A window narrower than its clocks: the first column.
    EXPECT_EQ(ConversionStartRows(clocks, computer, PointerInClockWindow{1, 1, 2, 50}).row2, 0);

    // The computer's zone matches no clock: row 1 stays empty, row 2 the first shown.
    computer.Bias = 180;
    rows = ConversionStartRows(clocks, computer, std::nullopt);
    EXPECT_EQ(rows.row1, -1);
    EXPECT_EQ(rows.row2, 0);

    // One shown clock and three hidden ones: the window does not open.
    for (std::size_t i = 1; i < clocks.Count(); ++i)
        clocks.At(i).flags &= ~CClock::kActive;
    rows = ConversionStartRows(clocks, computer, std::nullopt);
    EXPECT_TRUE(rows.refused);
    EXPECT_EQ(rows.row1, -1);
    EXPECT_EQ(rows.row2, -1);
}

TEST(Conversion, TheEditedRowIsTheSource)
{
    EXPECT_EQ(ConversionSourceRow(ConversionFocus::Time1), 1);
    EXPECT_EQ(ConversionSourceRow(ConversionFocus::Time2), 2);
    // Choosing row 1's clock recomputes row 1 from row 2, and the other way round.
    EXPECT_EQ(ConversionSourceRow(ConversionFocus::Picker1), 2);
    EXPECT_EQ(ConversionSourceRow(ConversionFocus::Picker2), 1);
    EXPECT_EQ(ConversionSourceRow(ConversionFocus::Elsewhere), 1);
}

TEST(QuickTime, FirstOpeningShowsNothingAndTheBoxFollowsTheZone)
{
    EXPECT_EQ(QuickTimeInitialSelection(std::nullopt, 400), std::nullopt);
    EXPECT_EQ(QuickTimeInitialSelection(5, 400), 5u);
    EXPECT_EQ(QuickTimeInitialSelection(5, 5), std::nullopt); // the list has shrunk

    QuickTimeView v = QuickTimeShow(nullptr, true, kNow, {});
    EXPECT_EQ(v.currentTime, "");
    EXPECT_FALSE(v.daylightBoxEnabled);

    CRegTimeZone madrid;
    madrid.info.Bias = -60;
    madrid.info.DaylightBias = -60;
    madrid.info.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};
    madrid.info.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
    v = QuickTimeShow(&madrid, true, DateTime::FromCalendar(2026, 7, 1, 12, 0, 0), {});
    EXPECT_EQ(v.currentTime, "Wednesday, July 1, 2026, 14:00:00");
    EXPECT_TRUE(v.daylightBoxEnabled);
    v = QuickTimeShow(&madrid, false, DateTime::FromCalendar(2026, 7, 1, 12, 0, 0), {});
    EXPECT_EQ(v.currentTime, "Wednesday, July 1, 2026, 13:00:00");
    madrid.info.DaylightDate.wMonth = 0;
    EXPECT_FALSE(QuickTimeShow(&madrid, true, kNow, {}).daylightBoxEnabled);
}

} // namespace
} // namespace orbel
