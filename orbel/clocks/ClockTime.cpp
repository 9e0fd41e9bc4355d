// A clock's time: the zone's current time plus the supplement.
#include "clocks/Clock.h"

#include "zones/ZoneTime.h"

namespace orbel {

DateTime CClock::GetTime(const DateTime& utcNow) const
{
    DateTime t = GetCurrentTime(zone, AdjustsForDst(), [&] { return utcNow; });
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
    // Clocks tick in whole seconds: the difference is kept to the second so that sums of
    // day fractions leave no stray milliseconds.
    return given + DateTimeSpan::FromSeconds(static_cast<double>((mine - theirs).TotalSeconds()));
}

} // namespace orbel
