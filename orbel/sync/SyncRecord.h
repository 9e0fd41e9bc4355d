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
};

} // namespace orbel
