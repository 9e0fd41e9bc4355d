#pragma once
// Setting the computer's clock from a fresh server reading, fully or in its minutes and
// seconds only.
#include <string>

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
    AdjustBusy = 4,   // an earlier adjustment still waits for the system: nothing was done
};

// Who asked: the user (the page's buttons, the command line) may be asked for
// authorisation; the hourly automatic adjustment never is.
enum class AdjustOrigin { User, Automatic };

// The settings the adjustment reads and writes.
struct AdjustTarget {
    SyncRecord& record;
    DateTime& lastAdjusted; // local time, or null for never
    bool& modified;
};

// Setting the clock may wait for the system (an authorisation prompt) while the window's
// events keep running; a second adjustment started meanwhile (a timer tick, a click)
// returns AdjustBusy at once and changes nothing.
AdjustResult AdjustClock(int mode, AdjustTarget settings, SystemClock& clock,
                         AdjustOrigin origin = AdjustOrigin::User);

// True while an adjustment waits for the system.
bool ClockAdjustmentRunning();

// "The clock is already being set; this adjustment was not made."
std::string AdjustBusyText();

} // namespace orbel
