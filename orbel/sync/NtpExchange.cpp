#include "sync/NtpExchange.h"

#include <algorithm>

#include "sync/SocketErrors.h"

namespace orbel {
namespace {

constexpr std::uint64_t kEraSeconds = std::uint64_t{1} << 32;

std::uint64_t ReadBigEndian64(const unsigned char* b)
{
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | b[i];
    return v;
}

std::uint32_t ReadBigEndian32(const unsigned char* b)
{
    return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) |
           b[3];
}

// Field offsets of the 48-byte packet.
constexpr std::size_t kRootDelay = 4;
constexpr std::size_t kRootDispersion = 8;
constexpr std::size_t kReferenceId = 12;
constexpr std::size_t kOriginTimestamp = 24;
constexpr std::size_t kReceiveTimestamp = 32;
constexpr std::size_t kTransmitTimestamp = 40;

constexpr int kServerMode = 4;
constexpr int kClientMode = 3;
constexpr int kVersion = 4;
constexpr int kLeapUnsynchronised = 3;

} // namespace

NtpNanos NtpTimestampToNanos(std::uint64_t timestamp)
{
    std::uint64_t seconds = timestamp >> 32;
    const std::uint64_t fraction = timestamp & 0xFFFFFFFFu;
    if ((seconds & 0x80000000u) == 0)
        seconds += kEraSeconds; // after the wrap of 2036-02-07 06:28:16
    return static_cast<NtpNanos>(seconds) * kNtpNanosPerSecond +
           static_cast<NtpNanos>((fraction * kNtpNanosPerSecond) >> 32);
}

std::uint64_t NanosToNtpTimestamp(NtpNanos instant)
{
    const std::uint64_t seconds = static_cast<std::uint64_t>(instant / kNtpNanosPerSecond);
    const std::uint64_t nanos = static_cast<std::uint64_t>(instant % kNtpNanosPerSecond);
    // Rounded up, so that reading it back gives the same nanosecond.
    const std::uint64_t fraction = ((nanos << 32) + kNtpNanosPerSecond - 1) / kNtpNanosPerSecond;
    return ((seconds % kEraSeconds) << 32) | (fraction & 0xFFFFFFFFu);
}

std::array<unsigned char, kNtpPacketSize> NtpRequest(std::uint64_t transmitCookie)
{
    std::array<unsigned char, kNtpPacketSize> p{};
    p[0] = static_cast<unsigned char>((kVersion << 3) | kClientMode);
    for (int i = 0; i < 8; ++i)
        p[kTransmitTimestamp + i] = static_cast<unsigned char>(transmitCookie >> (56 - 8 * i));
    return p;
}

int KissOfDeathError(const std::string& kiss)
{
    if (kiss == "RATE")
        return SocketError::NtpKissRate;
    if (kiss == "DENY")
        return SocketError::NtpKissDeny;
    if (kiss == "RSTR")
        return SocketError::NtpKissRestricted;
    return SocketError::NtpKissOther;
}

NtpAnswerCheck CheckNtpAnswer(const unsigned char* b, std::size_t length,
                              std::uint64_t transmitCookie)
{
    NtpAnswerCheck c;
    // Not the answer to this request: it may be a stray or forged datagram, which must not
    // end a transfer that the real answer may still complete.
    if (length < kNtpPacketSize || length > kNtpLargestAnswer) {
        c.error = SocketError::NtpBadSize;
        return c;
    }
    if (ReadBigEndian64(b + kOriginTimestamp) != transmitCookie) {
        c.error = SocketError::NtpNoEcho;
        return c;
    }
    // The server's answer: whatever it says now ends the transfer.
    c.kind = NtpAnswerCheck::Rejected;
    const int leap = b[0] >> 6;
    const int mode = b[0] & 7;
    const int stratum = b[1];
    if (mode != kServerMode) {
        c.error = SocketError::NtpNotServerMode;
        return c;
    }
    const int version = (b[0] >> 3) & 7;
    if (version < 3 || version > kVersion) {
        c.error = SocketError::NtpBadVersion;
        return c;
    }
    if (stratum == 0) {
        for (std::size_t i = 0; i < 4; ++i) {
            const unsigned char ch = b[kReferenceId + i];
            c.kiss += (ch >= 0x20 && ch < 0x7F) ? static_cast<char>(ch) : '?';
        }
        c.error = KissOfDeathError(c.kiss);
        return c;
    }
    if (stratum > 15) {
        c.error = SocketError::NtpBadStratum;
        return c;
    }
    if (leap == kLeapUnsynchronised) {
        c.error = SocketError::NtpUnsynchronised;
        return c;
    }
    const std::uint64_t transmit = ReadBigEndian64(b + kTransmitTimestamp);
    if (transmit == 0) {
        c.error = SocketError::NtpNoTransmitTime;
        return c;
    }
    // A zero receive time would read as 2036 and give an offset of years.
    const std::uint64_t receive = ReadBigEndian64(b + kReceiveTimestamp);
    if (receive == 0) {
        c.error = SocketError::NtpNoReceiveTime;
        return c;
    }
    // The server's own distance from its reference clock, in 16.16 seconds: half its root
    // delay plus its root dispersion must stay below the longest distance NTP accepts.
    const std::uint64_t distance =
        ReadBigEndian32(b + kRootDelay) / 2 + std::uint64_t{ReadBigEndian32(b + kRootDispersion)};
    if (distance >= (std::uint64_t{kNtpLongestDistanceSeconds} << 16)) {
        c.error = SocketError::NtpBadRootDistance;
        return c;
    }
    c.kind = NtpAnswerCheck::Accepted;
    c.receive = NtpTimestampToNanos(receive);
    c.transmit = NtpTimestampToNanos(transmit);
    return c;
}

NtpMeasurement MeasureNtp(NtpNanos t1, NtpNanos t2, NtpNanos t3, NtpNanos t4)
{
    NtpMeasurement m;
    // Halved term by term: the sum of two differences of 2100-era counts stays in range.
    m.offset = (t2 - t1) / 2 + (t3 - t4) / 2;
    m.delay = (t4 - t1) - (t3 - t2);
    return m;
}

int CheckNtpMeasurement(NtpMeasurement m)
{
    if (m.delay < 0 || m.delay > NtpNanos{kNtpLongestDistanceSeconds} * kNtpNanosPerSecond)
        return SocketError::NtpBadDelay;
    return 0;
}

void ProcessNtpAnswer(SyncRecord& record, NtpMeasurement m, DateTime pcUtc, DateTime pcLocal)
{
    record.pcUtc = pcUtc;
    record.pcLocal = pcLocal;
    const double offsetSeconds = static_cast<double>(m.offset) / kNtpNanosPerSecond;
    record.serverUtc = pcUtc + DateTimeSpan::FromSeconds(offsetSeconds);
    record.serverLocal = record.serverUtc + (pcLocal - pcUtc);
    record.ntp = true;
    record.offsetSeconds = offsetSeconds;
    record.delaySeconds = static_cast<double>(m.delay) / kNtpNanosPerSecond;
    record.status = 0;
}

std::int64_t NtpPacing::WaitBeforeRequest(const std::string& server, std::int64_t nowMs) const
{
    const auto it = servers_.find(server);
    if (it == servers_.end())
        return 0;
    return std::max<std::int64_t>(0, it->second.earliestMs - nowMs);
}

void NtpPacing::Requested(const std::string& server, std::int64_t nowMs)
{
    Entry& e = servers_[server];
    e.earliestMs = std::max(e.earliestMs, nowMs + kMinimumIntervalMs);
}

void NtpPacing::Kissed(const std::string& server, std::int64_t nowMs)
{
    Entry& e = servers_[server];
    e.backoffMs = e.backoffMs == 0 ? kFirstKissWaitMs : std::min(e.backoffMs * 2, kLongestWaitMs);
    e.earliestMs = nowMs + e.backoffMs;
}

void NtpPacing::Answered(const std::string& server)
{
    servers_[server].backoffMs = 0;
}

NtpPacing& ServerPacing()
{
    static NtpPacing pacing;
    return pacing;
}

} // namespace orbel
