#include "sync/ClockAdjustment.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

#include <cmath>
#include <cstdint>

namespace orbel {
namespace {

bool g_adjusting = false;

class AdjustingScope {
public:
    AdjustingScope() { g_adjusting = true; }
    ~AdjustingScope() { g_adjusting = false; }
    AdjustingScope(const AdjustingScope&) = delete;
    AdjustingScope& operator=(const AdjustingScope&) = delete;
};

} // namespace

bool ClockAdjustmentRunning()
{
    return g_adjusting;
}

std::string AdjustBusyText()
{
    return Tr("ClockAdjustment", "The clock is already being set; this adjustment was not made.");
}

AdjustResult AdjustClock(int mode, AdjustTarget s, SystemClock& clock, AdjustOrigin origin)
{
    if (g_adjusting)
        return AdjustBusy;
    const AdjustingScope adjusting;
    SyncRecord& r = s.record;
    if (r.status != 0)
        return AdjustFailed;
    // The target is an instant: this computer's UTC now plus the measured offset. The local
    // calendar is kept only for the Last time the page shows; turned back into an instant it
    // could fall on either side of the hour that is repeated when clocks go back.
    const CalendarTime utcNow = clock.UtcNow();
    const CalendarTime localNow = clock.LocalNow();
    if (!DateTime::FromCalendar(utcNow).valid())
        return AdjustFailed;
    const std::int64_t nowMs = UnixMsFromUtc(utcNow);

    // The offset in whole milliseconds: taking minutes and seconds of a double directly
    // turns an offset of exactly two minutes into 1 minute 59 seconds. A network time reading
    // is good to the millisecond; a Time Protocol reading counts whole seconds.
    // (Both local times of a reading carry the zone offset of the moment it was taken.)
    const double offsetSeconds = (r.serverLocal - r.pcLocal).days() * 86400.0;
    const std::int64_t offsetMs =
        r.ntp ? std::llround(offsetSeconds * 1000.0) : std::llround(offsetSeconds) * 1000;
    std::int64_t moveMs = offsetMs;
    if (mode != AdjustFull) {
        // Signed components, whole hours and days dropped (division truncates toward 0).
        const std::int64_t minutes = offsetMs / 60000 % 60;
        const std::int64_t seconds = offsetMs / 1000 % 60;
        moveMs = (minutes * 60 + seconds) * 1000;
    }

    const DateTime nowWithMs = DateTimeFromCalendar(localNow);
    if (moveMs == 0) {
        s.lastAdjusted = nowWithMs;
        s.modified = true;
        return AdjustNothingToChange;
    }
    if (!clock.SetTimeWithPrivilege(UtcFromUnixMs(nowMs + moveMs), origin == AdjustOrigin::User))
        return AdjustFailed;

    if (mode == AdjustFull) {
        r.pcUtc = r.serverUtc;
        r.pcLocal = r.serverLocal;
        r.offsetSeconds = 0.0;
    } else {
        // The clock moved by whole minutes and seconds; what is left of the offset (hours,
        // days and a network reading's fraction of a second) stays in the record.
        const DateTimeSpan moved = DateTimeSpan::FromSeconds(static_cast<double>(moveMs) / 1000.0);
        r.pcUtc += moved;
        r.pcLocal += moved;
        if (r.ntp)
            r.offsetSeconds -= static_cast<double>(moveMs) / 1000.0;
    }
    r.status = 2;
    s.lastAdjusted = nowWithMs;
    s.modified = true;
    return AdjustChanged;
}

} // namespace orbel
