#pragma once
// The result of the last time transfer. One per program, held by the settings object and
// never stored.
#include <cstdint>

#include "zones/DateTime.h"

namespace orbel {

struct SyncRecord {
    // 0 a fresh server reading is held; 1 no reading (pending, or none since start);
    // 2 the reading has been used by a clock adjustment.
    std::int32_t status = 1;
    DateTime serverUtc;
    DateTime serverLocal;
    DateTime pcUtc;
    DateTime pcLocal;
    // A reading of a network time server (NTP) keeps fractions of a second: its offset
    // (server minus computer) and the round-trip delay, in seconds. A Time Protocol reading
    // leaves ntp false and counts in whole seconds.
    bool ntp = false;
    double offsetSeconds = 0.0;
    double delaySeconds = 0.0;
};

} // namespace orbel
