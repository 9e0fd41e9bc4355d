// The Adjust Time page's texts and button states.
#include <gtest/gtest.h>

#include "options/AdjustTimeRules.h"

namespace orbel {
namespace {

DateTime At(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return DateTime::FromCalendar(y, mo, d, h, mi, s) + DateTimeSpan(ms / 86400000.0);
}

// A fixed format instead of the locale's, so the test reads the same everywhere.
std::string Iso(DateTime t, const char* format)
{
    return FormatDateTime(t, std::string(format) == "%x" ? "%Y-%m-%d" : "%Y-%m-%d %H:%M:%S");
}

TEST(AdjustTimePage, DifferenceTexts)
{
    const DateTime server = At(2026, 12, 8, 12, 0, 0);
    struct Case {
        DateTime pc;
        const char* text;
    } cases[] = {
        {At(2026, 12, 8, 11, 59, 55), "00:00:05 behind"},
        {At(2026, 12, 9, 13, 0, 0), "01:00:00 & 1 day(s) ahead"},
        {At(2026, 12, 8, 12, 0, 0), "00:00:00 OK"},
        {At(2026, 12, 5, 10, 30, 15), "01:29:45 & 3 day(s) behind"},
        {At(2026, 12, 8, 12, 0, 0, 600), "00:00:01 OK"}, // less than a whole second
        {At(2026, 12, 8, 12, 0, 1, 200), "00:00:01 ahead"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DifferenceText(c.pc, server), c.text);
}

SyncRecord Reading(DateTime serverLocal, DateTime pcLocal, int status = 0)
{
    SyncRecord r;
    r.status = status;
    r.serverLocal = serverLocal;
    r.serverUtc = serverLocal - DateTimeSpan::FromDHMS(0, 2, 0, 0);
    r.pcLocal = pcLocal;
    r.pcUtc = pcLocal - DateTimeSpan::FromDHMS(0, 2, 0, 0);
    return r;
}

TEST(AdjustTimePage, FieldsFollowTheRecordsStatus)
{
    const DateTime now = At(2026, 12, 8, 12, 30, 0);
    const SyncRecord fresh = Reading(At(2026, 12, 8, 12, 0, 0), At(2026, 12, 8, 11, 59, 55));
    auto f = AdjustTimePageFields(fresh, now, DateTime::Null(), 7 * 86400, Iso);
    EXPECT_EQ(f.utc, "2026-12-08 10:00:00");
    EXPECT_EQ(f.local, "2026-12-08 12:00:00");
    EXPECT_EQ(f.thisPc, "2026-12-08 11:59:55");
    EXPECT_EQ(f.difference, "00:00:05 behind");
    EXPECT_TRUE(f.setToLocalTimeEnabled);
    EXPECT_TRUE(f.adjustMinSecEnabled);
    EXPECT_EQ(f.last, "");
    EXPECT_EQ(f.next, "");
    // The page's rows: a Time Protocol reading has four, a network time reading adds its
    // offset and delay.
    EXPECT_EQ(ReadingRows(f).size(), 4u);
    EXPECT_EQ(ReadingRows(f)[3].text, "00:00:05 behind");
    f.offset = "+5.000 s";
    f.delay = "0.004 s";
    ASSERT_EQ(ReadingRows(f).size(), 6u);
    EXPECT_EQ(ReadingRows(f)[5].caption, "Delay:");

    SyncRecord used = fresh;
    used.status = 2;
    f = AdjustTimePageFields(used, now, DateTime::Null(), 7 * 86400, Iso);
    EXPECT_EQ(f.utc, "");
    EXPECT_EQ(f.local, "");
    EXPECT_EQ(f.thisPc, "2026-12-08 12:30:00");
    EXPECT_EQ(f.difference, "00:00:05 behind");
    EXPECT_FALSE(f.setToLocalTimeEnabled);

    SyncRecord none = fresh;
    none.status = 1;
    f = AdjustTimePageFields(none, now, DateTime::Null(), 7 * 86400, Iso);
    EXPECT_EQ(f.utc, "");
    EXPECT_EQ(f.difference, "");
    EXPECT_EQ(f.thisPc, "2026-12-08 12:30:00");
    EXPECT_FALSE(f.adjustMinSecEnabled);
}

TEST(AdjustTimePage, ReadingWithinASecondDisablesBothButtons)
{
    const SyncRecord r = Reading(At(2026, 12, 8, 12, 0, 0), At(2026, 12, 8, 12, 0, 0, 700));
    const auto f = AdjustTimePageFields(r, At(2026, 12, 8, 12, 0, 1), DateTime::Null(), 86400, Iso);
    EXPECT_FALSE(f.setToLocalTimeEnabled);
    EXPECT_FALSE(f.adjustMinSecEnabled);
    EXPECT_EQ(AdjustTimePageFields(Reading(At(2026, 12, 8, 12, 0, 0), At(2026, 12, 8, 12, 0, 0)),
                                   At(2026, 12, 8, 12, 0, 1), DateTime::Null(), 86400, Iso)
                  .difference,
              "00:00:00 OK");
}

TEST(AdjustTimePage, LastAndNext)
{
    SyncRecord none;
    const DateTime switchedOn = At(2026, 12, 8, 9, 15, 0);
    auto f = AdjustTimePageFields(none, At(2026, 12, 8, 9, 15, 0), switchedOn, 7 * 86400, Iso);
    EXPECT_EQ(f.last, "2026-12-08 09:15:00");
    EXPECT_EQ(f.next, "2026-12-15");
    // Next in the past shows today.
    f = AdjustTimePageFields(none, At(2026, 12, 20, 8, 0, 0), switchedOn, 7 * 86400, Iso);
    EXPECT_EQ(f.next, "2026-12-20");
}

TEST(AdjustTimePage, IntervalDaysAndCaptions)
{
    EXPECT_EQ(ParseIntervalDays("1"), 1);
    EXPECT_EQ(ParseIntervalDays("365"), 365);
    EXPECT_EQ(ParseIntervalDays(" 7 "), 7);
    for (const char* bad : {"0", "366", "", "abc", "-1", "1.5", "1000"})
        EXPECT_FALSE(ParseIntervalDays(bad).has_value()) << bad;
    EXPECT_EQ(IntervalDaysRangeMessage(), "Please enter an integer between 1 and 365.");
    EXPECT_EQ(DownloadCaption(false), "Down&load");
    EXPECT_EQ(DownloadCaption(true), "Cance&l");
}

TEST(AdjustTimePage, DefaultFormatUsesTheLocalesTimeThenDate)
{
    // The C locale's %X is %H:%M:%S and %x is %m/%d/%y.
    EXPECT_EQ(FormatDateTime(At(2026, 12, 8, 9, 5, 7), "%X %x"), "09:05:07 12/08/26");
    EXPECT_EQ(FormatDateTime(DateTime::Null(), "%X %x"), "");
}

} // namespace
} // namespace orbel
