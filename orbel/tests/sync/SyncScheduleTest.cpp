// The automatic adjustment's schedule: once per change of the hour, when the interval ran out.
#include <gtest/gtest.h>

#include "sync/SyncSchedule.h"

namespace orbel {
namespace {

DateTime At(int d, int h, int mi, int s = 0)
{
    return DateTime::FromCalendar(2026, 12, d, h, mi, s);
}

constexpr std::uint32_t kWeek = 7 * 86400;

TEST(SyncSchedule, SwitchingOnStartsTheFirstIntervalWithoutATransfer)
{
    SyncSchedule schedule;
    DateTime last = DateTime::Null();
    auto o = schedule.Check(At(8, 10, 15), false, last, kWeek, false);
    EXPECT_TRUE(o.dayChanged); // the first check after start always runs
    EXPECT_TRUE(last.null());
    // Switched on within the same hour: nothing happens until the hour changes.
    o = schedule.Check(At(8, 10, 20), true, last, kWeek, false);
    EXPECT_FALSE(o.lastAdjustedStarted);
    o = schedule.Check(At(8, 11, 0), true, last, kWeek, false);
    EXPECT_TRUE(o.lastAdjustedStarted);
    EXPECT_FALSE(o.startDownload);
    EXPECT_EQ(last, At(8, 11, 0));
}

TEST(SyncSchedule, FailedTransferIsRetriedAtTheNextHourNotSooner)
{
    SyncSchedule schedule;
    DateTime last = At(1, 9, 0); // eight days ago
    EXPECT_TRUE(schedule.Check(At(9, 10, 0), true, last, kWeek, false).startDownload);
    // The transfer runs: no second one.
    EXPECT_FALSE(schedule.Check(At(9, 11, 0), true, last, kWeek, true).startDownload);
    // It failed: nothing before the hour changes again.
    EXPECT_FALSE(schedule.Check(At(9, 11, 1), true, last, kWeek, false).startDownload);
    EXPECT_FALSE(schedule.Check(At(9, 11, 59, 59), true, last, kWeek, false).startDownload);
    EXPECT_TRUE(schedule.Check(At(9, 12, 0), true, last, kWeek, false).startDownload);
}

TEST(SyncSchedule, IntervalIsMeasuredBothWays)
{
    struct Case {
        DateTime last;
        bool due;
    } cases[] = {
        {At(2, 10, 0), false},   // six days ago
        {At(2, 9, 0), true},     // exactly seven days ago
        {At(2, 9, 0, 1), false}, // a second short of seven days
        {At(16, 10, 0), true},   // clock set back by more than the interval
        {At(15, 10, 0), false},  // set back by six days
    };
    for (const auto& c : cases) {
        SyncSchedule schedule;
        DateTime last = c.last;
        EXPECT_EQ(schedule.Check(At(9, 9, 0), true, last, kWeek, false).startDownload, c.due);
        EXPECT_EQ(last, c.last);
    }
}

TEST(SyncSchedule, NewDayAtTheSameHourCountsAsAChange)
{
    SyncSchedule schedule;
    DateTime last = At(1, 9, 0);
    EXPECT_TRUE(schedule.Check(At(9, 10, 0), true, last, kWeek, true).dayChanged);
    const auto o = schedule.Check(At(10, 10, 0), true, last, kWeek, false);
    EXPECT_TRUE(o.dayChanged);
    EXPECT_TRUE(o.startDownload);
}

} // namespace
} // namespace orbel
