#pragma once
// Setting the computer's clock from a fresh server reading, fully or in its minutes and
// seconds only.
#include "sync/SyncRecord.h"
#include "sync/SystemClock.h"
#include "zones/DateTime.h"

namespace orbel {

enum AdjustMode : int {
    AdjustMinutesSeconds = 3, // bit 0 the seconds, bit 1 the minutes
    AdjustFull = 255,
};

enum AdjustResult : int {
    AdjustChanged = 1,
    AdjustNothingToChange = 2,
    AdjustFailed = 3, // no fresh reading, or the system refused
};

// The settings the adjustment reads and writes.
struct AdjustTarget {
    SyncRecord& record;
    DateTime& lastAdjusted; // local time, or null for never
    bool& modified;
};

AdjustResult AdjustClock(int mode, AdjustTarget settings, SystemClock& clock);

} // namespace orbel
