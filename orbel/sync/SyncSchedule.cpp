#include "sync/SyncSchedule.h"

#include <cmath>
#include <cstdlib>

namespace orbel {

SyncSchedule::Outcome SyncSchedule::Check(DateTime now, bool automaticOn, DateTime& lastAdjusted,
                                          std::uint32_t intervalSeconds, bool transferExists)
{
    Outcome o;
    CalendarTime c;
    if (!now.ToCalendar(c))
        return o;
    if (c.day != lastDay_) {
        lastDay_ = c.day;
        o.dayChanged = true;
    }
    if (c.hour == lastHour_ && !o.dayChanged)
        return o;
    lastHour_ = c.hour;
    if (!automaticOn)
        return o;
    if (!lastAdjusted.valid()) {
        lastAdjusted = now;
        o.lastAdjustedStarted = true;
        return o;
    }
    // Absolute: a clock set back by more than the interval triggers as well.
    const double elapsed = std::trunc((now - lastAdjusted).days() * 86400.0);
    if (std::fabs(elapsed) >= static_cast<double>(intervalSeconds) && !transferExists)
        o.startDownload = true;
    return o;
}

} // namespace orbel
