// The rules of one network time exchange, without sockets: reading timestamps, checking an
// answer, the offset and delay, the waits between requests, the ntp:// setting, and what
// the adjustment and the Adjust Time page make of such a reading.
#include <cstring>
#include <functional>
#include <vector>

#include <algorithm>

#include <gtest/gtest.h>

#include "options/AdjustTimeRules.h"
#include "sync/ClockAdjustment.h"
#include "sync/NtpExchange.h"
#include "sync/ServerSetting.h"
#include "sync/SocketErrors.h"
#include "sync/TimeAnswer.h"
#include "tests/sync/FakeSystemClock.h"

namespace orbel {
namespace {

constexpr NtpNanos kSecond = kNtpNanosPerSecond;
constexpr NtpNanos kMs = 1000000;

TEST(NtpTimestamps, SecondsFractionsAndTheWrapOf2036)
{
    struct Case {
        std::uint64_t timestamp;
        NtpNanos instant;
    } cases[] = {
        // 3758096384 s is 2019-02-02 11:39:44 UTC; a fraction of 2^31 is half a second.
        {0xE000000080000000u, 3758096384 * kSecond + 500 * kMs},
        {0xE000000040000000u, 3758096384 * kSecond + 250 * kMs},
        // The last second before the wrap, and the first two after it (2036-02-07 06:28:16).
        {0xFFFFFFFF00000000u, 4294967295 * kSecond},
        {0x0000000000000000u, 4294967296 * kSecond},
        {0x0000000100000000u, 4294967297 * kSecond},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NtpTimestampToNanos(c.timestamp), c.instant) << std::hex << c.timestamp;
        EXPECT_EQ(NtpTimestampToNanos(NanosToNtpTimestamp(c.instant)), c.instant);
    }
    // Any nanosecond survives the trip through 2^-32 fractions.
    for (NtpNanos ns : {NtpNanos{1}, NtpNanos{999999999}, NtpNanos{123456789}})
        EXPECT_EQ(NtpTimestampToNanos(NanosToNtpTimestamp(3758096384 * kSecond + ns)),
                  3758096384 * kSecond + ns);
}

TEST(NtpMeasurement, OffsetAndDelayFromTheFourTimestamps)
{
    const NtpNanos base = 3900000000 * kSecond;
    // Sent at 0, received by the server 1.010 s later on its clock, answered 2 ms after that,
    // back 30 ms after sending: the server is 0.996 s ahead, the trip took 28 ms.
    NtpMeasurement m = MeasureNtp(base, base + 1010 * kMs, base + 1012 * kMs, base + 30 * kMs);
    EXPECT_EQ(m.offset, 996 * kMs);
    EXPECT_EQ(m.delay, 28 * kMs);
    // A server 3.5 s behind, 4 ms each way, 1 ms to answer.
    m = MeasureNtp(base, base - 3496 * kMs, base - 3495 * kMs, base + 9 * kMs);
    EXPECT_EQ(m.offset, -3500 * kMs);
    EXPECT_EQ(m.delay, 8 * kMs);
    EXPECT_EQ(CheckNtpMeasurement(m), 0);
    // The borders of a usable round trip: from zero to 16 seconds.
    EXPECT_EQ(CheckNtpMeasurement({0, 0}), 0);
    EXPECT_EQ(CheckNtpMeasurement({0, 16 * kSecond}), 0);
    EXPECT_EQ(CheckNtpMeasurement({0, 16 * kSecond + 1}), SocketError::NtpBadDelay);
    EXPECT_EQ(CheckNtpMeasurement({0, -1}), SocketError::NtpBadDelay);
    // The server claims it held the request an hour while it was away 30 ms.
    m = MeasureNtp(base, base + 10 * kMs, base + 3600 * kSecond, base + 30 * kMs);
    EXPECT_EQ(CheckNtpMeasurement(m), SocketError::NtpBadDelay);
}

// A good answer to the request with the given cookie; cases spoil one field each.
std::vector<unsigned char> Answer(std::uint64_t cookie)
{
    std::vector<unsigned char> p(kNtpPacketSize, 0);
    p[0] = 0x24; // leap 0, version 4, server mode
    p[1] = 2;    // stratum
    std::memcpy(&p[12], "GPS\0", 4);
    auto put = [&](std::size_t at, std::uint64_t v) {
        for (int i = 0; i < 8; ++i)
            p[at + i] = static_cast<unsigned char>(v >> (56 - 8 * i));
    };
    put(24, cookie);
    put(32, 0xE000000080000000u); // received at .500
    put(40, 0xE0000000C0000000u); // answered at .750
    return p;
}

// The loopback tests meet each fault a hostile server can send; these are the borders
// around them.
TEST(NtpAnswerCheck, BordersOfTheChecks)
{
    const std::uint64_t cookie = 0x0123456789ABCDEFu;
    const auto request = NtpRequest(cookie);
    struct Case {
        const char* what;
        std::function<void(std::vector<unsigned char>&)> spoil;
        NtpAnswerCheck::Kind kind;
        int code;
        const char* kiss;
    } cases[] = {
        {"good", [](auto&) {}, NtpAnswerCheck::Accepted, 0, ""},
        {"leap second announced", [](auto& p) { p[0] = 0x64; }, NtpAnswerCheck::Accepted, 0, ""},
        {"signed (key and SHA-1 digest)", [](auto& p) { p.resize(72, 0x5A); },
         NtpAnswerCheck::Accepted, 0, ""},
        {"73 bytes", [](auto& p) { p.resize(73); }, NtpAnswerCheck::Ignored,
         SocketError::NtpBadSize, ""},
        {"our own request sent back", [&](auto& p) { p.assign(request.begin(), request.end()); },
         NtpAnswerCheck::Ignored, SocketError::NtpNoEcho, ""},
        {"broadcast mode", [](auto& p) { p[0] = 0x25; }, NtpAnswerCheck::Rejected,
         SocketError::NtpNotServerMode, ""},
        {"kiss RSTR, unsynchronised too",
         [](auto& p) { p[0] = 0xE4, p[1] = 0, std::memcpy(&p[12], "RSTR", 4); },
         NtpAnswerCheck::Rejected, SocketError::NtpKissRestricted, "RSTR"},
        {"kiss INIT", [](auto& p) { p[1] = 0, std::memcpy(&p[12], "INIT", 4); },
         NtpAnswerCheck::Rejected, SocketError::NtpKissOther, "INIT"},
        {"stratum 15", [](auto& p) { p[1] = 15; }, NtpAnswerCheck::Accepted, 0, ""},
        {"stratum 16", [](auto& p) { p[1] = 16; }, NtpAnswerCheck::Rejected,
         SocketError::NtpBadStratum, ""},
        {"no receive time", [](auto& p) { std::fill(p.begin() + 32, p.begin() + 40, 0); },
         NtpAnswerCheck::Rejected, SocketError::NtpNoReceiveTime, ""},
        {"version 3", [](auto& p) { p[0] = 0x1C; }, NtpAnswerCheck::Accepted, 0, ""},
        {"version 2", [](auto& p) { p[0] = 0x14; }, NtpAnswerCheck::Rejected,
         SocketError::NtpBadVersion, ""},
        {"version 7", [](auto& p) { p[0] = 0x3C; }, NtpAnswerCheck::Rejected,
         SocketError::NtpBadVersion, ""},
        // Root delay and dispersion, seconds in 16.16: half the delay plus the dispersion
        // must stay below 16 seconds.
        {"root delay 31.99 s", [](auto& p) { p[4] = 0, p[5] = 31, p[6] = 0xFE; },
         NtpAnswerCheck::Accepted, 0, ""},
        {"root delay 32 s", [](auto& p) { p[4] = 0, p[5] = 32; }, NtpAnswerCheck::Rejected,
         SocketError::NtpBadRootDistance, ""},
        {"root dispersion 16 s", [](auto& p) { p[8] = 0, p[9] = 16; }, NtpAnswerCheck::Rejected,
         SocketError::NtpBadRootDistance, ""},
        {"root dispersion 65535 s", [](auto& p) { p[8] = 0xFF, p[9] = 0xFF; },
         NtpAnswerCheck::Rejected, SocketError::NtpBadRootDistance, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto packet = Answer(cookie);
        c.spoil(packet);
        const NtpAnswerCheck check = CheckNtpAnswer(packet.data(), packet.size(), cookie);
        EXPECT_EQ(check.kind, c.kind);
        EXPECT_EQ(check.error, c.code);
        EXPECT_EQ(check.kiss, c.kiss);
        if (c.kind == NtpAnswerCheck::Accepted) {
            EXPECT_EQ(check.receive, 3758096384 * kSecond + 500 * kMs);
            EXPECT_EQ(check.transmit, 3758096384 * kSecond + 750 * kMs);
        }
    }
}

TEST(NtpPacing, FifteenSecondsBetweenRequestsAndADoublingWaitAfterAKiss)
{
    NtpPacing pacing;
    const std::string a = "pool.example:123";
    const std::string b = "other.example:123";
    EXPECT_EQ(pacing.WaitBeforeRequest(a, 1000), 0);
    pacing.Requested(a, 1000);
    EXPECT_EQ(pacing.WaitBeforeRequest(a, 11000), 5000);
    EXPECT_EQ(pacing.WaitBeforeRequest(a, 16000), 0);
    EXPECT_EQ(pacing.WaitBeforeRequest(b, 1000), 0); // each server on its own

    pacing.Kissed(a, 20000);
    EXPECT_EQ(pacing.WaitBeforeRequest(a, 20000), 64000);
    pacing.Requested(a, 84000);
    pacing.Kissed(a, 84000);
    EXPECT_EQ(pacing.WaitBeforeRequest(a, 84000), 128000);
    for (int i = 0; i < 30; ++i)
        pacing.Kissed(a, 0);
    EXPECT_EQ(pacing.WaitBeforeRequest(a, 0), NtpPacing::kLongestWaitMs);

    // An answer used again starts the doubling afresh.
    pacing.Answered(a);
    pacing.Kissed(a, 200000000);
    EXPECT_EQ(pacing.WaitBeforeRequest(a, 200000000), 64000);
}

TEST(NtpServerSetting, OnlyTheNtpSchemeChangesTheProtocol)
{
    struct Case {
        const char* setting;
        bool ntp;
        const char* host;
        int port;
        int error;
    } cases[] = {
        {"ntp://127.0.0.1:12323 my loopback", true, "127.0.0.1", 12323, 0},
        {"ntp://pool.ntp.org Worldwide", true, "pool.ntp.org", 123, 0},
        {"NTP://Pool.NTP.org/", true, "Pool.NTP.org", 123, 0},
        {"ntp://host:0", true, "host", 0, 10022},
        {"ntp://", true, "", 123, 11001},
        // Stored settings keep meaning the Time Protocol, whatever their names say.
        {"ntp.example.org", false, "ntp.example.org", 37, 0},
        {"ntp:123", false, "ntp", 123, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        const ServerAddress a = ParseServerSetting(c.setting);
        EXPECT_EQ(a.ntp, c.ntp);
        EXPECT_EQ(a.host, c.host);
        EXPECT_EQ(a.error, c.error);
        if (c.error == 0)
            EXPECT_EQ(a.port, c.port);
        else
            EXPECT_FALSE(a.problem.empty());
    }
    // The server box offers both lists; each NTP line is read as NTP, each other line not.
    const std::string choices = ServerChoiceList();
    std::size_t start = 0;
    int ntpLines = 0, timeLines = 0;
    while (start < choices.size()) {
        const std::size_t end = std::min(choices.find('\n', start), choices.size());
        const ServerAddress a = ParseServerSetting(choices.substr(start, end - start));
        EXPECT_EQ(a.error, 0);
        (a.ntp ? ntpLines : timeLines)++;
        start = end + 1;
    }
    EXPECT_EQ(timeLines, 8);
    EXPECT_GE(ntpLines, 1);
    EXPECT_FALSE(ParseServerSetting(DefaultServerSetting()).ntp);
}

// Stands at 2026-12-08 21:00:00.700, UTC and local alike.
struct FakeClock : test::FakeSystemClock {
    FakeClock() { utc = local; }
};

SyncRecord NtpReading(FakeClock& clock, double offsetSeconds, double delaySeconds = 0.004)
{
    SyncRecord r;
    const DateTime now = DateTimeFromCalendar(clock.LocalNow());
    NtpMeasurement m;
    m.offset = static_cast<NtpNanos>(offsetSeconds * 1e9);
    m.delay = static_cast<NtpNanos>(delaySeconds * 1e9);
    ProcessNtpAnswer(r, m, now, now);
    return r;
}

std::string Hms(const CalendarTime& c)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", c.hour, c.minute, c.second,
                  c.millisecond);
    return text;
}

TEST(NtpAdjustment, FullSettingTakesTheMillisecondsMinutesAndSecondsKeepTheirMeaning)
{
    struct Case {
        double offset;
        int mode;
        AdjustResult result;
        const char* setTo;           // empty: the clock is not set
        const char* differenceAfter; // the page's Difference after the adjustment
    } cases[] = {
        {1.25, AdjustFull, AdjustChanged, "21:00:01.950", "00:00:00.000 OK, delay 0.004 s"},
        {-0.8, AdjustFull, AdjustChanged, "20:59:59.900", "00:00:00.000 OK, delay 0.004 s"},
        {-0.0004, AdjustFull, AdjustNothingToChange, "", "00:00:00.000 OK, delay 0.004 s"},
        // One hour, two minutes and 3.456 s behind: minutes and seconds only move 2:03.
        {3723.456, AdjustMinutesSeconds, AdjustChanged, "21:02:03.700",
         "01:00:00.456 behind, delay 0.004 s"},
        {-62.5, AdjustMinutesSeconds, AdjustChanged, "20:58:58.700",
         "00:00:00.500 ahead, delay 0.004 s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        FakeClock clock;
        SyncRecord r = NtpReading(clock, c.offset);
        DateTime last = DateTime::Null();
        bool modified = false;
        EXPECT_EQ(AdjustClock(c.mode, {r, last, modified}, clock), c.result);
        if (*c.setTo) {
            ASSERT_EQ(clock.set.size(), 1u);
            EXPECT_EQ(Hms(clock.set[0]), c.setTo);
        } else {
            EXPECT_TRUE(clock.set.empty());
        }
        EXPECT_TRUE(last.valid());
        EXPECT_EQ(NtpDifferenceText(r.offsetSeconds, r.delaySeconds), c.differenceAfter);
    }
}

TEST(NtpPageFields, DifferenceOffsetDelayAndButtons)
{
    struct Case {
        double offset;
        const char* difference;
        const char* offsetText;
        bool setEnabled, minSecEnabled;
    } cases[] = {
        {-1.25, "00:00:01.250 ahead, delay 0.004 s", "-1.250 s", true, true},
        {0.3004, "00:00:00.300 behind, delay 0.004 s", "+0.300 s", true, false},
        {0.0002, "00:00:00.000 OK, delay 0.004 s", "+0.000 s", false, false},
        {90000.0, "01:00:00.000 & 1 day(s) behind, delay 0.004 s", "+90000.000 s", true, true},
    };
    FakeClock clock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        const SyncRecord r = NtpReading(clock, c.offset);
        const AdjustTimeFields f =
            AdjustTimePageFields(r, DateTimeFromCalendar(clock.LocalNow()), DateTime::Null(), 0);
        EXPECT_EQ(f.difference, c.difference);
        EXPECT_EQ(f.offset, c.offsetText);
        EXPECT_EQ(f.delay, "0.004 s");
        EXPECT_EQ(f.setToLocalTimeEnabled, c.setEnabled);
        EXPECT_EQ(f.adjustMinSecEnabled, c.minSecEnabled);
    }
    // A Time Protocol reading afterwards counts in whole seconds again, without offset or
    // delay.
    SyncRecord r = NtpReading(clock, 0.3);
    const DateTime now = DateTimeFromCalendar(clock.LocalNow());
    ProcessTimeAnswer(r, 4005752402u, now, now); // 2026-12-08 21:00:02 UTC
    const AdjustTimeFields f = AdjustTimePageFields(r, now, DateTime::Null(), 0);
    EXPECT_EQ(f.difference, "00:00:01 behind");
    EXPECT_TRUE(f.offset.empty());
    EXPECT_TRUE(f.delay.empty());
}

} // namespace
} // namespace orbel
