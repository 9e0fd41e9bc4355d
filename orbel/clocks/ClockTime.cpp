// A clock's time: the zone's current time plus the supplement.
#include "clocks/Clock.h"

#include "zones/ZoneTime.h"

namespace orbel {

DateTime CClock::GetTime(const DateTime& utcNow) const
{
    DateTime t = GetCurrentTime(zone, AdjustsForDst(), utcNow);
    if (supplement != 0)
        t += DateTimeSpan::FromMinutes(supplement);
    return t;
}

DateTime CClock::ConvertTime(const CClock& other, std::optional<DateTime> otherTime,
                             const DateTime& utcNow) const
{
    const DateTime mine = GetTime(utcNow);
    const DateTime theirs = other.GetTime(utcNow);
    const DateTime given = otherTime ? *otherTime : theirs;
    return given + (mine - theirs);
}

} // namespace orbel
