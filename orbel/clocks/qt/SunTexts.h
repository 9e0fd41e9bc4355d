#pragma once
// The sun and the next clock change as a clock's tooltip and the Time in Zone window say
// them.
#include <QString>

#include "clocks/ClockSun.h"

namespace orbel {

// "Sunrise 06:44, sunset 21:48", "Polar day: the sun does not set", or why there is none.
QString SunText(const ClockSunView& sun);
// "Changes on Sun 29 Mar 2026 at 02:00 to UTC+02:00", "No clock change ahead", or why it is
// not known.
QString ChangeText(const ClockChangeView& change);

} // namespace orbel
