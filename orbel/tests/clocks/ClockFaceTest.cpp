// The clock window's rules, with the expected values worked out by hand from the layout,
// band, font and dial rules.
#include <gtest/gtest.h>

#include "clocks/ClockFace.h"

namespace orbel {
namespace {

DisplayBits Bits(std::uint32_t w)
{
    return DisplayBitsFrom(w);
}

TEST(ClockLayout, ClocksShareTheWidthTheFirstTakesHalfTheRest)
{
    struct Case {
        std::size_t n;
        std::int32_t width;
        std::vector<std::pair<int, int>> spans; // left, right of each area
    } cases[] = {
        {3, 101, {{0, 34}, {33, 67}, {66, 100}}},   // q 33, r 2: the first is 34 wide
        {3, 193, {{0, 64}, {64, 128}, {128, 192}}}, // q 64, r 1: 1 div 2 is 0
        {2, 193, {{0, 96}, {96, 192}}},
        {8,
         203,
         {{0, 26}, {25, 51}, {50, 76}, {75, 101}, {100, 126}, {125, 151}, {150, 176}, {175, 201}}},
    };
    for (const Case& c : cases) {
        const auto areas = LayoutClockAreas(c.n, c.width, 40);
        ASSERT_EQ(areas.size(), c.spans.size()) << c.n << " clocks";
        for (std::size_t i = 0; i < areas.size(); ++i) {
            EXPECT_EQ(areas[i].left, c.spans[i].first) << c.n << " clocks, clock " << i;
            EXPECT_EQ(areas[i].right, c.spans[i].second) << c.n << " clocks, clock " << i;
            EXPECT_EQ(areas[i].top, 0);
            EXPECT_EQ(areas[i].bottom, 40);
        }
    }
    EXPECT_TRUE(LayoutClockAreas(0, 200, 40).empty());
    // 200 clocks in 10 pixels: q 0, r 10; every area is the first one's 5 pixels, moved by 0.
    const auto squeezed = LayoutClockAreas(200, 10, 1);
    ASSERT_EQ(squeezed.size(), 200u);
    for (const Rect& r : squeezed)
        EXPECT_EQ(r, (Rect{0, 0, 5, 1}));
}

TEST(ClockLayout, TimeBandAndFontHeightForEachCombination)
{
    struct Case {
        std::uint32_t word;
        std::int32_t area, band, font;
    } cases[] = {
        {0x0300, 100, 36, 36},   // digital, name and date: 57 % of the 64 below
        {0x0100, 100, 50, 50},   // name only: all of the 50 below
        {0x0200, 100, 57, 53},   // date only: 43 + 43 * 25 / 100
        {0x0000, 100, 100, 100}, // digital, neither: the whole area
        {0x0301, 100, 70, 17},   // analog, name and date: 30 * 57 / 100
        {0x0101, 100, 80, 20},   {0x0201, 100, 85, 18}, // 15 + 3
        {0x0001, 100, 100, 0},                          // analog, neither: 0 (raised to 1 later)
        {0x0300, 193, 69, 70},                          // 193 * 36 / 100 = 69; 124 * 57 / 100 = 70
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeBandHeight(c.area, Bits(c.word)), c.band) << std::hex << c.word;
        EXPECT_EQ(BandFontHeight(c.area, Bits(c.word)), c.font) << std::hex << c.word;
    }
    // The width limit: an area 64 wide, the probe 37 high with the sample 130 wide allows
    // 64 * 37 / 130 = 18; analog clocks are not limited; never below 1.
    EXPECT_EQ(LimitFontHeight(36, false, 64, 37, 130), 18);
    EXPECT_EQ(LimitFontHeight(12, false, 64, 37, 130), 12);
    EXPECT_EQ(LimitFontHeight(36, true, 64, 37, 130), 36);
    EXPECT_EQ(LimitFontHeight(0, true, 64, 37, 130), 1);
    EXPECT_EQ(LimitFontHeight(36, false, 0, 37, 130), 1);
    EXPECT_EQ(SmallFontHeight(36), 27);
    EXPECT_EQ(TextRoom(96), 88); // 4 pixels each side
    EXPECT_EQ(TextRoom(20), 18);
    EXPECT_EQ(TextRoom(1), 0);
    EXPECT_EQ(FixedLeftOffset(64, 50), 7);
}

TEST(ClockTexts, TimeAndDateTextsFollowTheBitsAndTheLocale)
{
    const LocaleTexts en;
    const DateTime sample = SampleTime(); // Wednesday 1 January 1997 04:07:09
    EXPECT_EQ(ClockTimeText(sample, Bits(0x5000), ":", en), "04:07:09");
    EXPECT_EQ(ClockTimeText(sample, Bits(0x4000), ":", en), "04:07");
    EXPECT_EQ(ClockTimeText(sample, Bits(0x1000), ":", en), "04:07:09 AM");
    EXPECT_EQ(ClockTimeText(sample, Bits(0x5000), ".", en), "04.07.09");
    // A separator or designator holding '%' is shown as it stands.
    LocaleTexts odd;
    odd.pm = "p%m";
    const DateTime noon = DateTime::FromCalendar(2026, 12, 9, 12, 0, 0);
    EXPECT_EQ(ClockTimeText(noon, Bits(0x0000), "%", odd), "12%00 p%m");
    EXPECT_EQ(ClockTimeText(DateTime::FromCalendar(2026, 12, 9, 13, 5, 0), Bits(0), ":", en),
              "01:05 PM");
    EXPECT_EQ(ClockTimeText(DateTime::FromCalendar(2026, 12, 9, 0, 5, 0), Bits(0), ":", en),
              "12:05 AM");

    EXPECT_EQ(ClockDateText(sample, Bits(0x0200), en), "Wed 01");
    EXPECT_EQ(ClockDateText(DateTime::FromCalendar(1997, 12, 31), Bits(0x2200), en), "365");
    EXPECT_EQ(WindowTitle("Orbel", sample, en), "Orbel - Wednesday, January 1, 1997");
}

TEST(AnalogDial, SixtyOnePixelClockHasTwelvePixelMarks)
{
    // s 61, margin 3, r0 = 55 / 2 = 27 (31 or less: pixels), r1 = (61 - 14) / 2 = 23.
    const DialGeometry d = AnalogDial({0, 0, 61, 61});
    ASSERT_FALSE(d.empty);
    EXPECT_EQ(d.side, 61);
    EXPECT_EQ(d.margin, 3);
    EXPECT_EQ(d.centre, (Point{30, 30}));
    EXPECT_EQ(d.r0, 27);
    EXPECT_EQ(d.r1, 23);
    ASSERT_EQ(d.marks.size(), 12u);
    EXPECT_EQ(d.marks[0].centre, (Point{30, 3}));  // twelve o'clock
    EXPECT_EQ(d.marks[3].centre, (Point{57, 30})); // three o'clock
    EXPECT_EQ(d.marks[6].centre, (Point{30, 57}));
    for (const DialMark& m : d.marks) {
        EXPECT_EQ(m.radius, 0);
        EXPECT_EQ(m.slot, 3);
    }
    EXPECT_EQ(d.hourLength, 11);   // 23 - 4 * 3
    EXPECT_EQ(d.minuteLength, 20); // 23 - 3
    EXPECT_EQ(d.secondLength, 21); // 23 - (3 + 1) / 2
    EXPECT_EQ(d.handPen, 2);       // 2 * 3 / 3
    EXPECT_EQ(d.inner, (Rect{7, 7, 54, 54}));
    // Without name and date the font height is 1: AM/PM takes a third of r1 instead.
    EXPECT_EQ(DesignatorHeight(1, d), 7);
    EXPECT_EQ(DesignatorHeight(12, d), 12);
}

TEST(AnalogDial, LargeDialHasSixtyCirclesAndTheOddSquareIsCentred)
{
    // s 101, margin 5, r0 = 45: 12 circles of radius 3 and 48 of radius 1.
    const DialGeometry big = AnalogDial({0, 0, 101, 101});
    ASSERT_EQ(big.marks.size(), 60u);
    int hourMarks = 0;
    for (const DialMark& m : big.marks) {
        if (m.slot == 3) {
            ++hourMarks;
            EXPECT_EQ(m.radius, 3);
        } else {
            EXPECT_EQ(m.slot, 4);
            EXPECT_EQ(m.radius, 1);
        }
    }
    EXPECT_EQ(hourMarks, 12);
    EXPECT_EQ(big.r1, 39); // (101 - 22) / 2
    EXPECT_EQ(big.hourLength, 19);
    EXPECT_EQ(big.minuteLength, 34);
    EXPECT_EQ(big.secondLength, 36);
    EXPECT_EQ(big.handPen, 3);

    // The boundary: r0 31 gives pixels (s 69), r0 32 circles (s 71).
    EXPECT_EQ(AnalogDial({0, 0, 69, 69}).r0, 31);
    EXPECT_EQ(AnalogDial({0, 0, 69, 69}).marks.size(), 12u);
    EXPECT_EQ(AnalogDial({0, 0, 71, 71}).r0, 32);
    EXPECT_EQ(AnalogDial({0, 0, 71, 71}).marks.size(), 60u);

    // A band 80 x 64: side 63, centred horizontally: left (80 - 63) / 2 = 8.
    const DialGeometry wide = AnalogDial({10, 20, 90, 84});
    EXPECT_EQ(wide.side, 63);
    EXPECT_EQ(wide.square, (Rect{18, 20, 81, 83}));
    EXPECT_EQ(wide.centre, (Point{49, 51}));
    EXPECT_TRUE(AnalogDial({0, 0, 50, 0}).empty);
    // Margin at least 1 on a tiny dial.
    EXPECT_EQ(AnalogDial({0, 0, 5, 5}).margin, 1);
}

TEST(AnalogDial, HandPositions)
{
    EXPECT_EQ(HourPosition(0, 0), 0);
    EXPECT_EQ(HourPosition(13, 59), 9); // 1 * 5 + 59 div 12
    EXPECT_EQ(HourPosition(23, 30), 57);
    const Point c{50, 50};
    EXPECT_EQ(HandEnd(c, 10, 0), (Point{50, 40}));
    EXPECT_EQ(HandEnd(c, 10, 15), (Point{60, 50}));
    EXPECT_EQ(HandEnd(c, 10, 45), (Point{40, 50}));
    EXPECT_EQ(HandEnd(c, 10, 60), (Point{50, 40}));
}

TEST(ClockTick, WhatATickRedraws)
{
    const DateTime t0 = DateTime::FromCalendar(2026, 12, 9, 10, 15, 20);
    const DateTime nextSecond = DateTime::FromCalendar(2026, 12, 9, 10, 15, 21);
    const DateTime nextMinute = DateTime::FromCalendar(2026, 12, 9, 10, 16, 0);
    const DateTime nextHourSameMinute = DateTime::FromCalendar(2026, 12, 9, 11, 15, 20);
    EXPECT_EQ(PlanTick(t0, nextSecond, Bits(0x1000)), TickDraw::TimeBand);
    EXPECT_EQ(PlanTick(t0, nextSecond, Bits(0x1001)), TickDraw::SecondsHand);
    EXPECT_EQ(PlanTick(t0, nextSecond, Bits(0x0001)), TickDraw::Nothing);
    EXPECT_EQ(PlanTick(t0, nextMinute, Bits(0x1001)), TickDraw::Hands);
    EXPECT_EQ(PlanTick(t0, nextHourSameMinute, Bits(0x1001)), TickDraw::Hands);
    EXPECT_EQ(PlanTick(nextSecond, t0, Bits(0x1001)), TickDraw::SecondsHand); // set back 1 s
    EXPECT_TRUE(PaintRedrawsAll(-1, 0));
    EXPECT_FALSE(PaintRedrawsAll(10, 10));
    EXPECT_EQ(TimerIntervalMs(0), 1000);
    EXPECT_EQ(TimerIntervalMs(5), 5000);
    EXPECT_EQ(TimerIntervalMs(100000), 3600000);
}

TEST(ClockColours, StoredColoursAndSystemDefaults)
{
    SystemColours sys;
    sys.buttonFace = 0x111111, sys.buttonText = 0x222222, sys.buttonHighlight = 0x333333,
    sys.buttonShadow = 0x444444;
    EXPECT_EQ(SlotColour(0, 0x000000FF, sys), 0xFF0000u); // stored as 0x00BBGGRR
    EXPECT_EQ(SlotColour(3, 0x00123456, sys), 0x563412u);
    const std::uint32_t defaults[] = {0x111111, 0x222222, 0x333333, 0x222222, 0x444444, 0x222222};
    for (std::size_t slot = 0; slot < 6; ++slot)
        EXPECT_EQ(SlotColour(slot, -1, sys), defaults[slot]) << slot;
    // A value that is no colour falls back to the slot's system colour.
    EXPECT_EQ(SlotColour(2, 0x7F000000, sys), 0x333333u);
}

TEST(ClockWindowPlacement, DefaultSizeIsTwelveByThreeHeightsCentred)
{
    EXPECT_EQ(DefaultWindowRect(16, {0, 0, 1024, 768}), (Rect{416, 360, 608, 408}));
    EXPECT_EQ(DefaultWindowRect(-16, {0, 0, 1024, 768}), (Rect{416, 360, 608, 408}));
    // A placement far off every screen comes back centred, no larger than the desktop.
    EXPECT_EQ(CentreOnDesktop({-50000, -50000, -49000, -49950}, {0, 0, 1024, 768}),
              (Rect{12, 359, 1012, 409}));
    EXPECT_EQ(CentreOnDesktop({5000, 0, 9000, 1}, {0, 0, 1024, 768}), (Rect{0, 376, 1024, 392}));
}

TEST(ClockWindowPlacement, DamagedStoredBoundsBecomeARectangleWithoutOverflow)
{
    constexpr std::int32_t kMax = INT32_MAX, kMin = INT32_MIN, kFar = 1 << 24;
    const struct {
        Rect stored, usable;
    } cases[] = {
        {{10, 20, 330, 140}, {10, 20, 330, 140}},              // a good one stays
        {{kMax - 5, 0, kMax, 100}, {kFar, 0, kFar + 16, 100}}, // 16 wide at the far right
        {{0, kMax - 3, 200, kMax}, {0, kFar, 200, kFar + 16}},
        {{kMin, kMin, kMin + 4, kMin + 4}, {-kFar, -kFar, -kFar + 16, -kFar + 16}},
        {{kMin, 10, kMax, 60}, {-kFar, 10, -kFar + 16384, 60}},
        {{50, 60, 40, 30}, {50, 60, 66, 76}}, // right and bottom before left and top
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsableStoredRect(c.stored), c.usable) << c.stored.left << "," << c.stored.top;
}

TEST(ClockWindowPlacement, WhereTheCompositorPlacesTheStoredCornerStaysWithTheNewSize)
{
    const Rect stored{544, 376, 736, 424};
    // Wayland reports every window at 0,0: only its size is the window's own.
    EXPECT_EQ(PlacementToKeep(stored, {0, 0, 196, 50}, true), (Rect{544, 376, 740, 426}));
    // X tells where the window is: that is kept.
    EXPECT_EQ(PlacementToKeep(stored, {0, 0, 196, 50}, false), (Rect{0, 0, 196, 50}));
    // Nothing stored yet: what is shown.
    EXPECT_EQ(PlacementToKeep({}, {0, 0, 196, 50}, true), (Rect{0, 0, 196, 50}));
    // A damaged stored corner is made usable, the size kept within limits.
    EXPECT_EQ(PlacementToKeep({INT32_MAX - 10, -5, INT32_MAX, 100}, {0, 0, 100000, 8}, true),
              (Rect{1 << 24, -5, (1 << 24) + 16384, 11}));
}

} // namespace
} // namespace orbel
