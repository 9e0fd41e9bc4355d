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

TEST(TimeAnswer, ValuesCoverNineteenHundredToTwentyThirtySix)
{
    // Worked out with date(1): the value minus 2208988800 is the Unix time.
    struct Case {
        std::uint32_t value;
        DateTime expected;
    } cases[] = {
        {0u, At(1900, 1, 1, 0, 0, 0)},
        {3758096384u, At(2019, 2, 2, 11, 39, 44)},
        {2147483648u, At(1968, 1, 20, 3, 14, 8)}, // 2^31: a valid date, not negative
        {4005748800u, At(2026, 12, 8, 20, 0, 0)},
        {4294967295u, At(2036, 2, 7, 6, 28, 15)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Seconds(ServerUtcFromTimeValue(c.value)), Seconds(c.expected)) << c.value;
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
