#pragma once
// The next change of a zone's clocks: when its offset from UTC next moves, from the
// transitions of its compiled file and, past the last of them, its yearly rule.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "zones/TzifFile.h"

namespace orbel {

struct ClockChange {
    std::int64_t when = 0;                          // Unix seconds of the first new second
    std::int32_t offsetBefore = 0, offsetAfter = 0; // seconds east of UTC
};

// The first change of the zone's offset strictly after `after`; nullopt when the zone has
// none ahead. A change of name or of the daylight flag alone moves no clock and is passed
// over.
std::optional<ClockChange> NextClockChange(const TzifZone& zone, std::int64_t after);

// The zone's offset from UTC at an instant, in seconds east.
std::int32_t UtcOffsetAt(const TzifZone& zone, std::int64_t when);

// The compiled file of a zone of the folder ("Europe/Madrid"); false with `error` set when
// the name is not a zone name, or its file is missing or damaged.
bool ReadZoneFile(const std::filesystem::path& folder, const std::string& key, TzifZone& zone,
                  std::string& error);

// "+02:00", "-03:30", "+00:00"; with seconds ("-00:01:15") when the offset has them.
std::string UtcOffsetText(std::int32_t secondsEast);
// "2026-03-29T01:00:00Z +01:00 -> +02:00"
std::string ClockChangeLine(const ClockChange& change);

} // namespace orbel
