#pragma once
// One exchange with a network time server (NTP version 4, client mode, over UDP): the
// request, the checks an answer must pass, the offset and round-trip delay from the four
// timestamps, how long to wait before asking the same server again, and the reading in the
// synchronisation record. No sockets here: the transport hands in bytes and clock readings.
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "sync/SyncRecord.h"
#include "zones/DateTime.h"

namespace orbel {

constexpr std::uint16_t kNtpPort = 123;
constexpr std::size_t kNtpPacketSize = 48;
// A plain answer is 48 bytes; a server that signs its answers adds a key number and a
// digest (up to 24 bytes). Anything longer is not an answer to our plain request.
constexpr std::size_t kNtpLargestAnswer = kNtpPacketSize + 24;

// Instants in nanoseconds since 1900-01-01 00:00:00 UTC, the protocol's own epoch.
using NtpNanos = std::int64_t;
constexpr NtpNanos kNtpNanosPerSecond = 1000000000;
// 1970-01-01 in the protocol's count of seconds.
constexpr std::int64_t kNtpUnixEpochSeconds = 2208988800;

// A 64-bit timestamp (32 bits of seconds, 32 of fraction) as an instant. The seconds wrap in
// February 2036: a count with its top bit clear is read as one after the wrap, so the
// program reads its dates right from 1968 to 2104.
NtpNanos NtpTimestampToNanos(std::uint64_t timestamp);
std::uint64_t NanosToNtpTimestamp(NtpNanos instant);

// The request: leap 0, version 4, client mode, everything zero but the transmit timestamp,
// which carries a random value the answer must echo as its origin timestamp.
std::array<unsigned char, kNtpPacketSize> NtpRequest(std::uint64_t transmitCookie);

// What one datagram means for the request that is waiting.
struct NtpAnswerCheck {
    enum Kind {
        Ignored,  // not the answer to this request (wrong size or no echo): keep waiting
        Rejected, // the server's answer, unusable: the transfer ends with `error`
        Accepted,
    } kind = Ignored;
    int error = 0;         // the failure's code (for Ignored: the code if nothing better comes)
    std::string kiss;      // a kiss-of-death's four letters
    NtpNanos receive = 0;  // the server's receive timestamp (T2)
    NtpNanos transmit = 0; // the server's transmit timestamp (T3)
};

// Checks a datagram that came from the server's address and port: its size, the echo of
// the request's cookie, then server mode, version 3 or 4, a stratum from 1 to 15 (0 is a
// kiss of death), a leap indicator other than "unsynchronised", a transmit and a receive
// time, and a root distance (half the root delay plus the root dispersion) below 16 s.
NtpAnswerCheck CheckNtpAnswer(const unsigned char* bytes, std::size_t length,
                              std::uint64_t transmitCookie);

// The kiss codes the program names; each has its own failure code.
int KissOfDeathError(const std::string& kiss);

// Offset (server minus this computer) and round-trip delay from the request's departure
// (t1), the server's receipt (t2) and reply (t3), and the answer's arrival (t4).
struct NtpMeasurement {
    NtpNanos offset = 0;
    NtpNanos delay = 0;
};
NtpMeasurement MeasureNtp(NtpNanos t1, NtpNanos t2, NtpNanos t3, NtpNanos t4);

// No real network gives a round trip below zero (the server claims to have held the request
// longer than it was away) or beyond the longest distance NTP accepts: such a measurement
// comes from a broken or hostile server and gives NtpBadDelay; a usable one gives 0.
constexpr int kNtpLongestDistanceSeconds = 16;
int CheckNtpMeasurement(NtpMeasurement m);

// Fills the record from a measurement and the computer's clock read once in UTC and once
// in local time: the server's time is the computer's plus the offset, fractions kept.
// Status becomes 0.
void ProcessNtpAnswer(SyncRecord& record, NtpMeasurement m, DateTime pcUtc, DateTime pcLocal);

// When each server may be asked again, on a monotonic clock in milliseconds. Never sooner
// than 15 seconds after the last request; after a kiss of death the wait starts at 64
// seconds and doubles with each further kiss (up to a day and a half), until an answer is
// used again.
class NtpPacing {
public:
    static constexpr std::int64_t kMinimumIntervalMs = 15000;
    static constexpr std::int64_t kFirstKissWaitMs = 64000;
    static constexpr std::int64_t kLongestWaitMs = 131072000;

    // Milliseconds to wait before sending to this server now (0: send at once).
    std::int64_t WaitBeforeRequest(const std::string& server, std::int64_t nowMs) const;
    void Requested(const std::string& server, std::int64_t nowMs);
    void Kissed(const std::string& server, std::int64_t nowMs);
    void Answered(const std::string& server);
    void Forget() { servers_.clear(); }

private:
    struct Entry {
        std::int64_t earliestMs = 0;
        std::int64_t backoffMs = 0;
    };
    std::map<std::string, Entry> servers_;
};

// The program's one pacing table (used from the event loop's thread only).
NtpPacing& ServerPacing();

} // namespace orbel
