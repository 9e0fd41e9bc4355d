#pragma once
// The automatic adjustment's schedule, checked on every tick of the clock window: at each
// change of the local hour (or day), when the interval since the last adjustment has run
// out, an automatic transfer starts. A failed transfer is thus retried once an hour.
#include <cstdint>

#include "zones/DateTime.h"

namespace orbel {

class SyncSchedule {
public:
    struct Outcome {
        bool dayChanged = false;          // refresh the window title
        bool lastAdjustedStarted = false; // the first interval starts now: settings modified
        bool startDownload = false;       // start an automatic transfer
    };

    // nowLocal: the current local date-time. lastAdjusted is set to now when automatic
    // adjustment is on and it was null. intervalSeconds: the interval between adjustments.
    Outcome Check(DateTime nowLocal, bool automaticOn, DateTime& lastAdjusted,
                  std::uint32_t intervalSeconds, bool transferExists);

private:
    int lastDay_ = -1; // -1: the first check after start always runs
    int lastHour_ = -1;
};

} // namespace orbel
