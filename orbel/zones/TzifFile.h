#pragma once
// The system's compiled zone files (TZif, versions 1 to 4): the POSIX rule at the end of a
// version 2+ file, and the zone's transitions. The whole structure is checked first so
// that a damaged file is recognised and skipped.
#include <cstdint>
#include <string>
#include <vector>

namespace orbel {

// The footer's TZ string, or false with `error` set when the bytes are not a sound TZif
// file of version 2 or later.
bool ReadTzifFooter(const std::vector<std::uint8_t>& bytes, std::string& footer,
                    std::string& error);

// A zone's local time types and the instants at which it moves from one to another.
struct TzifZone {
    struct Type {
        std::int32_t offset = 0; // seconds east of UTC
        bool daylight = false;
    };
    std::vector<Type> types; // at least one; the first holds before the first transition
    struct Transition {
        std::int64_t when = 0; // Unix seconds
        std::uint8_t type = 0; // index into types
    };
    std::vector<Transition> transitions; // in time order
    std::string footer; // the POSIX rule after the last transition; empty in version 1
};

// The zone of a TZif file (the 64-bit data of version 2+, else the 32-bit data), or false
// with `error` set when the bytes are not a sound TZif file.
bool ReadTzifZone(const std::vector<std::uint8_t>& bytes, TzifZone& zone, std::string& error);

} // namespace orbel
