#pragma once
// One time transfer run to its end and, when asked, the clock set from its reading: what the
// command line's --query and --adjust do, with the computer's clock handed in (tests hand
// in one of their own).
#include <ostream>
#include <string>

#include "options/AdjustTimeRules.h"
#include "sync/ClockAdjustment.h"
#include "sync/SyncRecord.h"
#include "sync/SystemClock.h"

namespace orbel {

struct SyncCommand {
    std::string server; // a server setting, as the page's box takes it
    bool adjust = false;
    int mode = AdjustMinutesSeconds;
    int waitMs = 10000; // the longest wait for the whole transfer
};

// Prints the page's rows to `out` (and, after a change, the rows again), a failure to `err`.
// Returns the exit status: 0 done, 2 the transfer or the adjustment failed. `modified` says
// that the last-adjusted time changed and the settings are to be saved.
int RunSyncCommand(const SyncCommand& command, SyncRecord& record, DateTime& lastAdjusted,
                   bool& modified, SystemClock& clock, const DateTimeFormatter& format,
                   std::ostream& out, std::ostream& err);

} // namespace orbel
