// Reading the server's four bytes into the synchronisation record.
#include <cmath>

#include <gtest/gtest.h>

#include "sync/TimeAnswer.h"

namespace orbel {
namespace {

DateTime At(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return DateTime::FromCalendar(y, mo, d, h, mi, s) + DateTimeSpan(ms / 86400000.0);
}

std::int64_t Seconds(DateTime t)
{
    return std::llround(t.Linear() * 86400.0);
}

TEST(TimeAnswer, BytesAreReadMostSignificantFirst)
{
    const unsigned char bytes[4] = {0xE0, 0x00, 0x00, 0x01};
    EXPECT_EQ(TimeValueFromNetworkBytes(bytes), 3758096385u);
}

// The 32-bit count wraps at 2036-02-07 06:28:16 UTC: it is read in the era (of 2^32 seconds)
// that lies nearest this computer's clock, so a server's true date comes out whatever the
// year, on both sides of the wrap.
TEST(TimeAnswer, TheCountIsReadInTheEraNearestTheComputersClock)
{
    struct Case {
        DateTime pcUtc;
        std::uint32_t value;
        DateTime expected;
    } cases[] = {
        {At(2036, 2, 7, 6, 28, 10), 4294967295u, At(2036, 2, 7, 6, 28, 15)},
        {At(2036, 2, 7, 6, 28, 10), 3u, At(2036, 2, 7, 6, 28, 19)},          // across the wrap
        {At(2036, 2, 7, 6, 28, 20), 4294967290u, At(2036, 2, 7, 6, 28, 10)}, // and back
        {At(2036, 3, 1, 0, 0, 0), 1963904u, At(2036, 3, 1, 0, 0, 0)},
        // Worked out with date(1): the value minus 2208988800 is the Unix time.
        {At(2026, 12, 8, 20, 0, 0), 4005748800u, At(2026, 12, 8, 20, 0, 0)},
        {At(2026, 12, 8, 20, 0, 0), 3758096384u, At(2019, 2, 2, 11, 39, 44)},
        {At(2026, 12, 8, 20, 0, 0), 0u, At(2036, 2, 7, 6, 28, 16)},
        {At(2026, 12, 8, 20, 0, 0), 2147483648u, At(1968, 1, 20, 3, 14, 8)},
        {At(2104, 1, 1, 0, 0, 0), 2147483648u, At(2104, 2, 26, 9, 42, 24)},
        {At(1960, 1, 1, 0, 0, 0), 0u, At(1900, 1, 1, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        SyncRecord r;
        ProcessTimeAnswer(r, c.value, c.pcUtc, c.pcUtc + DateTimeSpan::FromDHMS(0, 1, 0, 0));
        EXPECT_EQ(Seconds(r.serverUtc), Seconds(c.expected)) << c.value;
        EXPECT_EQ(Seconds(r.serverLocal), Seconds(c.expected) + 3600) << c.value;
    }
}

TEST(TimeAnswer, HalfTheDelayInWholeSeconds)
{
    EXPECT_EQ(HalfDelaySeconds(1000, 1000), 0u);
    EXPECT_EQ(HalfDelaySeconds(1000, 2999), 0u);
    EXPECT_EQ(HalfDelaySeconds(1000, 3000), 1u);
    EXPECT_EQ(HalfDelaySeconds(1000, 8999), 3u);
    // Across the wrap of a 32-bit tick counter.
    EXPECT_EQ(HalfDelaySeconds(0xFFFFF000u, 0x100000FA0ull), 4u);
}

TEST(TimeAnswer, ServerWithinOneSecondIsTheComputersTimeExactly)
{
    SyncRecord r;
    const DateTime pcUtc = At(2026, 12, 8, 20, 0, 0, 900);
    const DateTime pcLocal = At(2026, 12, 8, 21, 0, 0, 900);
    ProcessTimeAnswer(r, 4005748800u, pcUtc, pcLocal); // 20:00:00, 0.9 s behind
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.serverUtc, pcUtc);
    EXPECT_EQ(r.serverLocal, pcLocal);
    EXPECT_EQ(r.pcUtc, pcUtc);
    EXPECT_EQ(r.pcLocal, pcLocal);
}

TEST(TimeAnswer, ServerFurtherAwayKeepsItsTimeAndTakesTheComputersOffset)
{
    SyncRecord r;
    const DateTime pcUtc = At(2026, 12, 8, 19, 59, 58, 500);   // 1.5 s slow
    const DateTime pcLocal = At(2026, 12, 8, 14, 59, 58, 500); // UTC-5
    ProcessTimeAnswer(r, 4005748800u, pcUtc, pcLocal);
    EXPECT_EQ(Seconds(r.serverUtc), Seconds(At(2026, 12, 8, 20, 0, 0)));
    EXPECT_EQ(Seconds(r.serverLocal), Seconds(At(2026, 12, 8, 15, 0, 0)));
    EXPECT_EQ(r.status, 0);
}

} // namespace
} // namespace orbel
