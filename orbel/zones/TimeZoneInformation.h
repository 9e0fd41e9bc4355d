#pragma once
// A zone's offsets and daylight-saving rules in the 172-byte layout of the platform's
// time-zone information record, and the rule record (a system time) inside it.
#include <array>
#include <cstddef>
#include <cstdint>

namespace orbel {

// Eight 16-bit fields. As a rule: wMonth 0 = no such transition; wYear != 0 = an absolute
// date and time; wYear 0 = the wDay-th (5 = last) weekday wDayOfWeek (0 = Sunday) of
// wMonth at wHour:wMinute:wSecond local time before the transition.
struct SystemTime {
    std::uint16_t wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0;
    std::uint16_t wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
    bool operator==(const SystemTime&) const = default;
};

struct TimeZoneInformation {
    static constexpr std::size_t kSize = 172;

    std::int32_t Bias = 0; // minutes; UTC = local standard time + Bias
    std::array<std::uint16_t, 32> StandardName{};
    SystemTime StandardDate;
    std::int32_t StandardBias = 0;
    std::array<std::uint16_t, 32> DaylightName{};
    SystemTime DaylightDate;
    std::int32_t DaylightBias = 0;

    // Both rules present: the one test of "has daylight saving" everywhere in the program.
    bool HasDaylightSaving() const { return StandardDate.wMonth != 0 && DaylightDate.wMonth != 0; }

    void ToBytes(std::uint8_t out[kSize]) const;
    static TimeZoneInformation FromBytes(const std::uint8_t in[kSize]);
    bool operator==(const TimeZoneInformation&) const = default;
};

// Biases equal and both rules equal field for field; names are not compared.
bool IsSameZoneInformation(const TimeZoneInformation& a, const TimeZoneInformation& b);

} // namespace orbel
