#pragma once
// One clock: a named view of a time zone's current time, with or without daylight saving,
// plus a fixed supplement of minutes.
#include <cstdint>
#include <optional>
#include <string>

#include "clocks/Rect.h"
#include "zones/DateTime.h"
#include "zones/RegTimeZone.h"

namespace orbel {

class ArchiveReader;
class ArchiveWriter;

class CClock {
public:
    static constexpr const char* kClassName = "CClock";
    static constexpr std::uint16_t kSchema = 2;
    static constexpr std::uint32_t kAdjustForDst = 0x00000001;
    static constexpr std::uint32_t kActive = 0x00010000;
    static constexpr std::uint32_t kNewClockFlags = kAdjustForDst | kActive;
    static constexpr int kMaxNameLength = 16;
    static constexpr std::int32_t kMaxSupplement = 1440;

    // A new clock is named "Local" when no other clock is alive, else "City" and the count
    // of live clocks (City1, City2, ...).
    CClock();
    CClock(const CClock& other);
    CClock(CClock&& other) noexcept;
    CClock& operator=(const CClock&) = default;
    CClock& operator=(CClock&&) noexcept = default;
    ~CClock();

    // Clocks alive in this process.
    static int LiveCount();

    bool AdjustsForDst() const { return (flags & kAdjustForDst) != 0; }
    bool IsActive() const { return (flags & kActive) != 0; }

    // The zone's current time (with daylight saving when the clock adjusts for it) plus the
    // supplement. `utcNow` is the computer's UTC time.
    DateTime GetTime(const DateTime& utcNow) const;
    // The time this clock shows when `other` shows `otherTime` (its current time when none),
    // by today's difference between the two clocks.
    DateTime ConvertTime(const CClock& other, std::optional<DateTime> otherTime,
                         const DateTime& utcNow) const;

    // The clock's stored form inside the settings file's object list.
    void Write(ArchiveWriter& out) const;
    void Read(ArchiveReader& in, std::uint16_t schema);

    Rect area;          // where the clock window last laid it out
    DateTime lastDrawn; // the time it last drew
    std::string name;
    std::uint32_t flags = kNewClockFlags;
    std::int32_t supplement = 0; // minutes
    CRegTimeZone zone;           // the all-zero zone (UTC) for a new clock

private:
    static DateTime InitialLastDrawn();
};

} // namespace orbel
