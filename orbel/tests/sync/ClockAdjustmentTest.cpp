// Setting the computer's clock from a reading, with a clock of the test's own.
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "options/AdjustTimeRules.h"
#include "sync/ClockAdjustment.h"
#include "sync/TimeAnswer.h"
#include "tests/sync/FakeSystemClock.h"

namespace orbel {
namespace {

DateTime At(int y, int mo, int d, int h, int mi, int s)
{
    return DateTime::FromCalendar(y, mo, d, h, mi, s);
}

using test::Cal;
using FakeClock = test::FakeSystemClock;

void ExpectCalendar(const CalendarTime& c, int y, int mo, int d, int h, int mi, int s, int ms)
{
    EXPECT_EQ(c.year, y);
    EXPECT_EQ(c.month, mo);
    EXPECT_EQ(c.day, d);
    EXPECT_EQ(c.hour, h);
    EXPECT_EQ(c.minute, mi);
    EXPECT_EQ(c.second, s);
    EXPECT_EQ(c.millisecond, ms);
}

// A reading taken with the computer's clock in UTC+1.
SyncRecord Reading(DateTime serverLocal, DateTime pcLocal)
{
    SyncRecord r;
    r.status = 0;
    r.serverLocal = serverLocal;
    r.pcLocal = pcLocal;
    r.serverUtc = serverLocal - DateTimeSpan::FromDHMS(0, 1, 0, 0);
    r.pcUtc = pcLocal - DateTimeSpan::FromDHMS(0, 1, 0, 0);
    return r;
}

struct Adjusting : ::testing::Test {
    FakeClock clock;
    DateTime last = DateTime::Null();
    bool modified = false;
    AdjustResult Run(SyncRecord& r, int mode)
    {
        return AdjustClock(mode, {r, last, modified}, clock);
    }
};

TEST_F(Adjusting, MinutesAndSecondsLeaveTheWholeHoursBehind)
{
    // The computer is 1 hour 2 minutes behind the server; 30 s later the user adjusts.
    SyncRecord r = Reading(At(2026, 12, 8, 12, 2, 0), At(2026, 12, 8, 11, 0, 0));
    clock.StandAt(Cal(2026, 12, 8, 11, 0, 30, 250));
    EXPECT_EQ(Run(r, AdjustMinutesSeconds), AdjustChanged);
    ASSERT_EQ(clock.set.size(), 1u);
    ExpectCalendar(clock.set[0], 2026, 12, 8, 11, 2, 30, 250);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(DifferenceText(r.pcLocal, r.serverLocal), "01:00:00 behind");
    EXPECT_EQ(r.pcUtc, At(2026, 12, 8, 10, 2, 0));
    EXPECT_FALSE(AdjustButtonsEnabled(r));
    EXPECT_EQ(last.Calendar().second, 30);
    EXPECT_TRUE(modified);
}

TEST_F(Adjusting, FullSettingTakesTheServersLocalTime)
{
    // The computer is 25 hours fast.
    SyncRecord r = Reading(At(2026, 12, 8, 10, 0, 0), At(2026, 12, 9, 11, 0, 0));
    EXPECT_EQ(DifferenceText(r.pcLocal, r.serverLocal), "01:00:00 & 1 day(s) ahead");
    clock.StandAt(Cal(2026, 12, 9, 11, 0, 10, 900));
    EXPECT_EQ(Run(r, AdjustFull), AdjustChanged);
    ASSERT_EQ(clock.set.size(), 1u);
    ExpectCalendar(clock.set[0], 2026, 12, 8, 10, 0, 10, 900);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(DifferenceText(r.pcLocal, r.serverLocal), "00:00:00 OK");
}

TEST_F(Adjusting, AnHourCarriedByTheAdjustmentIsFollowed)
{
    struct Case {
        DateTime server, pc;
        CalendarTime now;
        CalendarTime expectedSet;
    } cases[] = {
        // 1 min 30 s slow just before the hour: the clock moves into the next hour.
        {At(2026, 12, 8, 11, 0, 30), At(2026, 12, 8, 10, 59, 0), Cal(2026, 12, 8, 10, 59, 40, 0),
         Cal(2026, 12, 8, 11, 1, 10, 0)},
        // The same over midnight.
        {At(2026, 12, 9, 0, 0, 30), At(2026, 12, 8, 23, 59, 0), Cal(2026, 12, 8, 23, 59, 40, 0),
         Cal(2026, 12, 9, 0, 1, 10, 0)},
        // 1 min 30 s fast just after the hour: back into the previous hour.
        {At(2026, 12, 8, 10, 59, 0), At(2026, 12, 8, 11, 0, 30), Cal(2026, 12, 8, 11, 0, 40, 0),
         Cal(2026, 12, 8, 10, 59, 10, 0)},
    };
    for (const auto& c : cases) {
        SyncRecord r = Reading(c.server, c.pc);
        clock.set.clear();
        clock.StandAt(c.now);
        EXPECT_EQ(Run(r, AdjustMinutesSeconds), AdjustChanged);
        ASSERT_EQ(clock.set.size(), 1u);
        const auto& e = c.expectedSet;
        ExpectCalendar(clock.set[0], e.year, e.month, e.day, e.hour, e.minute, e.second, 0);
        EXPECT_EQ(DifferenceText(r.pcLocal, r.serverLocal), "00:00:00 OK");
    }
}

TEST_F(Adjusting, NothingToChangeStillCountsAsAnAdjustment)
{
    SyncRecord r = Reading(At(2026, 12, 8, 11, 0, 0), At(2026, 12, 8, 11, 0, 0));
    clock.StandAt(Cal(2026, 12, 8, 11, 5, 0, 0));
    for (int mode : {AdjustMinutesSeconds, AdjustFull}) {
        last = DateTime::Null();
        EXPECT_EQ(Run(r, mode), AdjustNothingToChange);
        EXPECT_TRUE(clock.set.empty());
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(last, At(2026, 12, 8, 11, 5, 0));
    }
}

TEST_F(Adjusting, RefusalOrNoFreshReadingChangesNothing)
{
    SyncRecord r = Reading(At(2026, 12, 8, 12, 2, 0), At(2026, 12, 8, 11, 0, 0));
    const SyncRecord before = r;
    clock.StandAt(Cal(2026, 12, 8, 11, 0, 30, 0));
    clock.refusal = "Operation not permitted";
    EXPECT_EQ(Run(r, AdjustMinutesSeconds), AdjustFailed);
    EXPECT_EQ(Run(r, AdjustFull), AdjustFailed);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.pcLocal, before.pcLocal);
    EXPECT_TRUE(last.null());
    EXPECT_FALSE(modified);

    clock.refusal.clear();
    for (int status : {1, 2}) {
        r.status = status;
        EXPECT_EQ(Run(r, AdjustFull), AdjustFailed);
    }
    EXPECT_TRUE(clock.set.empty());
    EXPECT_TRUE(last.null());
}

// The hourly adjustment runs with nobody there: the system may not ask for authorisation.
// A tick or a click while the system is being asked starts no second adjustment.
TEST_F(Adjusting, AutomaticAdjustmentsNeverAskAndNoSecondOneStartsWhileWaiting)
{
    SyncRecord r = Reading(At(2026, 12, 8, 12, 2, 0), At(2026, 12, 8, 11, 0, 0));
    clock.StandAt(Cal(2026, 12, 8, 11, 0, 30, 0));
    SyncRecord second = r;
    DateTime secondLast = DateTime::Null();
    bool secondModified = false;
    AdjustResult inner = AdjustChanged;
    clock.whileSetting = [&] {
        EXPECT_TRUE(ClockAdjustmentRunning());
        inner = AdjustClock(AdjustFull, {second, secondLast, secondModified}, clock);
    };
    EXPECT_EQ(
        AdjustClock(AdjustMinutesSeconds, {r, last, modified}, clock, AdjustOrigin::Automatic),
        AdjustChanged);
    EXPECT_EQ(inner, AdjustBusy);
    EXPECT_EQ(second.status, 0); // untouched
    EXPECT_FALSE(secondLast.valid());
    ASSERT_EQ(clock.mayAsk, std::vector<bool>{false}); // one request, without a prompt
    EXPECT_FALSE(ClockAdjustmentRunning());

    // The user's own adjustment may ask.
    clock.whileSetting = nullptr;
    SyncRecord manual = Reading(At(2026, 12, 8, 12, 2, 0), At(2026, 12, 8, 11, 0, 0));
    EXPECT_EQ(Run(manual, AdjustFull), AdjustChanged);
    EXPECT_EQ(clock.mayAsk.back(), true);
}

// Madrid's clocks go back at 03:00 CEST on 25 October 2026 (02:00 to 03:00 comes twice) and
// forward at 02:00 CET on 29 March 2026 (02:00 to 03:00 never comes). A reading is taken,
// ten seconds later the clock is set: whatever the local calendar shows, the clock must
// land on the instant the server gave, in both modes.
TEST(AdjustingInMadrid, TheRepeatedHourAndTheGapSetTheInstantTheServerGave)
{
    const test::ZoneForTest madrid("Europe/Madrid");
    using Z = test::ZonedFakeClock;
    struct Case {
        const char* what;
        std::int64_t readAt; // UTC, milliseconds
        int serverAheadS;    // the server's time minus the computer's
        int mode;
        std::int64_t expected; // the instant set, UTC
        const char* left;      // the Difference after the adjustment
    } cases[] = {
        {"02:30 CEST, first pass, 2 min slow", Z::Ms(2026, 10, 25, 0, 30, 0), 120, AdjustFull,
         Z::Ms(2026, 10, 25, 0, 32, 10), "00:00:00 OK"},
        {"02:30 CEST, first pass, 2 min slow", Z::Ms(2026, 10, 25, 0, 30, 0), 120,
         AdjustMinutesSeconds, Z::Ms(2026, 10, 25, 0, 32, 10), "00:00:00 OK"},
        {"02:58 CEST into 02:03 CET", Z::Ms(2026, 10, 25, 0, 58, 0), 300, AdjustFull,
         Z::Ms(2026, 10, 25, 1, 3, 10), "00:00:00 OK"},
        {"02:58 CEST, 1 h 5 min slow", Z::Ms(2026, 10, 25, 0, 58, 0), 3900, AdjustMinutesSeconds,
         Z::Ms(2026, 10, 25, 1, 3, 10), "01:00:00 behind"},
        {"02:30 CET, second pass, 5 min fast", Z::Ms(2026, 10, 25, 1, 30, 0), -300, AdjustFull,
         Z::Ms(2026, 10, 25, 1, 25, 10), "00:00:00 OK"},
        {"02:02 CET back into 02:58 CEST", Z::Ms(2026, 10, 25, 1, 2, 0), -300, AdjustMinutesSeconds,
         Z::Ms(2026, 10, 25, 0, 57, 10), "00:00:00 OK"},
        {"01:58 CET over the gap", Z::Ms(2026, 3, 29, 0, 58, 0), 180, AdjustFull,
         Z::Ms(2026, 3, 29, 1, 1, 10), "00:00:00 OK"},
        {"01:58 CET over the gap", Z::Ms(2026, 3, 29, 0, 58, 0), 180, AdjustMinutesSeconds,
         Z::Ms(2026, 3, 29, 1, 1, 10), "00:00:00 OK"},
        {"03:01 CEST back over the gap", Z::Ms(2026, 3, 29, 1, 1, 0), -180, AdjustMinutesSeconds,
         Z::Ms(2026, 3, 29, 0, 58, 10), "00:00:00 OK"},
        {"03:01 CEST, a day and 3 min fast", Z::Ms(2026, 3, 29, 1, 1, 0), -86580, AdjustFull,
         Z::Ms(2026, 3, 28, 0, 58, 10), "00:00:00 OK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + (c.mode == AdjustFull ? ", full" : ", min & sec"));
        Z clock;
        clock.utcMs = c.readAt;
        SyncRecord r;
        // The Time Protocol's count of the server's second.
        const auto count =
            static_cast<std::uint32_t>(c.readAt / 1000 + c.serverAheadS + 2208988800LL);
        ProcessTimeAnswer(r, count, DateTimeFromCalendar(clock.UtcNow()),
                          DateTimeFromCalendar(clock.LocalNow()));
        clock.utcMs += 10000;
        const CalendarTime localBefore = clock.LocalNow();
        DateTime last = DateTime::Null();
        bool modified = false;
        ASSERT_EQ(AdjustClock(c.mode, {r, last, modified}, clock), AdjustChanged);
        ASSERT_EQ(clock.set.size(), 1u);
        EXPECT_EQ(clock.set[0], c.expected)
            << "set " << (clock.set[0] - c.expected) / 1000 << " s away";
        EXPECT_EQ(DifferenceText(r.pcLocal, r.serverLocal), c.left);
        EXPECT_EQ(last, DateTimeFromCalendar(localBefore)); // the page's Last: local time
    }
}

// A reading decades away (a broken server): the hourly adjustment takes only its minutes and
// seconds, so the clock moves by less than an hour whatever the reading says.
TEST_F(Adjusting, TheAutomaticAdjustmentMovesTheClockLessThanAnHour)
{
    const DateTime pc = At(2026, 12, 8, 11, 0, 0);
    SyncRecord r = Reading(At(2094, 12, 8, 11, 59, 59), pc);
    clock.StandAt(Cal(2026, 12, 8, 11, 0, 0, 0));
    EXPECT_EQ(
        AdjustClock(AdjustMinutesSeconds, {r, last, modified}, clock, AdjustOrigin::Automatic),
        AdjustChanged);
    ASSERT_EQ(clock.set.size(), 1u);
    ExpectCalendar(clock.set[0], 2026, 12, 8, 11, 59, 59, 0);
}

TEST(TimedatedRefusal, NetworkTimeAndMissingAuthorisationInPlainWords)
{
    EXPECT_NE(TimedatedRefusalText("org.freedesktop.timedate1.AutomaticTimeSyncEnabled",
                                   "Automatic time synchronization is enabled")
                  .find("network time synchronisation, which is switched on"),
              std::string::npos);
    EXPECT_NE(TimedatedRefusalText("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired",
                                   "Interactive authentication required.")
                  .find("automatic adjustment does not ask"),
              std::string::npos);
    EXPECT_EQ(TimedatedRefusalText("org.freedesktop.DBus.Error.AccessDenied", "Access denied"),
              "Access denied");
    EXPECT_EQ(TimedatedRefusalText("org.example.Error.Odd", ""), "org.example.Error.Odd");
}

} // namespace
} // namespace orbel
