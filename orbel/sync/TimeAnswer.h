#pragma once
// Turning a Time Protocol answer (seconds since 1900-01-01 00:00 UTC, big-endian, 32 bits)
// into the synchronisation record.
#include <cstdint>

#include "sync/SyncRecord.h"
#include "zones/DateTime.h"

namespace orbel {

// The four bytes as the server sent them, most significant first.
std::uint32_t TimeValueFromNetworkBytes(const unsigned char bytes[4]);

// Half the milliseconds between connection and answer, in whole seconds (truncated).
std::uint32_t HalfDelaySeconds(std::uint64_t connectTickMs, std::uint64_t answerTickMs);

// 1900-01-01 00:00:00 UTC plus the value, read as unsigned, in the era of 2^32 seconds (the
// count wraps at 2036-02-07 06:28:16) that puts it nearest `nearUtc`, this computer's clock:
// a server's true date comes out whatever the year, as long as this computer's clock is
// within 68 years of it.
DateTime ServerUtcFromTimeValue(std::uint32_t seconds, DateTime nearUtc);

// Fills the record from a value (half delay already added) and the computer's clock read
// once in UTC and once in local time: a server within one second of the computer counts
// as exactly the computer's time, and the server's local time uses the computer's offset.
// Status becomes 0.
void ProcessTimeAnswer(SyncRecord& record, std::uint32_t seconds, DateTime pcUtc, DateTime pcLocal);

} // namespace orbel
