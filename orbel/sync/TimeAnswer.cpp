#include "sync/TimeAnswer.h"

#include <cmath>
#include <cstdint>

namespace orbel {

std::uint32_t TimeValueFromNetworkBytes(const unsigned char b[4])
{
    return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) |
           std::uint32_t{b[3]};
}

std::uint32_t HalfDelaySeconds(std::uint64_t connectTickMs, std::uint64_t answerTickMs)
{
    // The tick counter is 32 bits wide on the system this program grew up on; wrapping
    // arithmetic keeps a delay across the wrap right.
    const std::uint32_t elapsed = static_cast<std::uint32_t>(answerTickMs - connectTickMs);
    return elapsed / 2000u;
}

DateTime ServerUtcFromTimeValue(std::uint32_t seconds, DateTime nearUtc)
{
    constexpr std::int64_t kEra = std::int64_t{1} << 32;
    const DateTime base = DateTime::FromCalendar(1900, 1, 1);
    std::int64_t count = seconds;
    if (nearUtc.valid()) {
        const std::int64_t near = std::llround((nearUtc - base).days() * 86400.0);
        // The era whose reading of the count lies within half an era of `near`.
        const std::int64_t shifted = near - count + kEra / 2;
        const std::int64_t era = shifted >= 0 ? shifted / kEra : -((kEra - 1 - shifted) / kEra);
        count += era * kEra;
    }
    const std::int64_t days = count >= 0 ? count / 86400 : -((86399 - count) / 86400);
    return base + DateTimeSpan(static_cast<double>(days)) +
           DateTimeSpan::FromSeconds(static_cast<double>(count - days * 86400));
}

void ProcessTimeAnswer(SyncRecord& record, std::uint32_t seconds, DateTime pcUtc, DateTime pcLocal)
{
    record.pcUtc = pcUtc;
    record.pcLocal = pcLocal;
    DateTime serverUtc = ServerUtcFromTimeValue(seconds, pcUtc);
    if (std::fabs((serverUtc - pcUtc).days()) * 86400.0 <= 1.0)
        serverUtc = pcUtc;
    record.serverUtc = serverUtc;
    record.serverLocal = serverUtc + (pcLocal - pcUtc);
    record.ntp = false; // whole seconds
    record.offsetSeconds = 0.0;
    record.delaySeconds = 0.0;
    record.status = 0;
}

} // namespace orbel
