#pragma once
// What a clock tells of the sun and of its zone's next clock change: today's sunrise and
// sunset at the zone's city, in the clock's own time, and the change ahead.
#include <cstdint>
#include <optional>
#include <string>

#include "clocks/Clock.h"
#include "sun/SunTimes.h"
#include "zones/ClockChange.h"

namespace orbel {

class ZoneAtlas;

// The city of a clock's zone; nullopt for zones that name none (Etc/ zones, a zone of the
// user's own database).
std::optional<GeoPoint> ClockCity(const CClock& clock, const ZoneAtlas& atlas);

struct ClockSunView {
    bool placed = false; // the zone names a city; without one the rest stays empty
    SunDay::Kind kind = SunDay::Normal;
    std::string sunrise, sunset; // "06:44" in the clock's time; "" where the sun does not
};

// Sunrise and sunset of the clock's day (the clock's date at utcNow).
ClockSunView ClockSunToday(const CClock& clock, const ZoneAtlas& atlas, const DateTime& utcNow);

struct ClockChangeView {
    bool known = false; // the zone's file of this computer's tz database was read
    std::optional<ClockChange> change;
    // The clock's date and time just before the change, and the offset after it.
    DateTime localBefore;
    std::string newOffset; // "+02:00"
};

// The next clock change of the clock's zone after utcNow, from the compiled file of its key
// in zoneFolder.
ClockChangeView NextChangeOfClock(const CClock& clock, const std::filesystem::path& zoneFolder,
                                  const DateTime& utcNow);

} // namespace orbel
