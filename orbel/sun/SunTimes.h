#pragma once
// Day and night at a place: the sun's height now, and the day's sunrise and sunset. The
// astronomy (the sun's position, sidereal time, the horizon frame) is libnova's.
#include <cstdint>

#include "sun/ZoneCoordinates.h"

namespace orbel {

// Day: the sun's upper edge is above the horizon (refraction included). Twilight: civil
// twilight, the sun's centre less than 6 degrees below the horizon. Night: lower still.
enum class Daylight { Day, Twilight, Night };

// The sun's height above the horizon in degrees (its centre, without refraction).
double SunAltitude(GeoPoint where, std::int64_t unixSeconds);

Daylight DaylightAt(GeoPoint where, std::int64_t unixSeconds);

// How much of the day's light there is: 0 at night, 1 by day, rising through civil
// twilight (dawn and dusk); shades a clock from night to day.
double DaylightShare(GeoPoint where, std::int64_t unixSeconds);

struct SunDay {
    enum Kind { Normal, PolarDay, PolarNight } kind = Normal;
    // Unix seconds, Normal only: the rise before and the set after the day's solar noon.
    // Either may fall on the day before or after (far north or south, in summer), and on the
    // days when polar day begins or ends one of them is missing.
    std::int64_t sunrise = 0, sunset = 0;
    bool rises = true, sets = true;
    std::int64_t noon = 0; // the sun's highest point of the day (every kind)
};

// The sun's rise and set on a local calendar day of the zone: the day runs from local
// midnight, utcOffsetMinutes east of UTC, for 24 hours.
SunDay SunTimesOn(GeoPoint where, int year, int month, int day, int utcOffsetMinutes);

} // namespace orbel
