#include "clocks/ClockSun.h"

#include <cmath>
#include <cstdio>

namespace orbel {
namespace {

std::int64_t UnixSeconds(const DateTime& t)
{
    return static_cast<std::int64_t>(std::llround(t.ToUnixSeconds()));
}

std::string HourMinute(const CClock& clock, std::int64_t when)
{
    CalendarTime c;
    if (!clock.GetTime(DateTime::FromUnixSeconds(static_cast<double>(when))).ToCalendar(c))
        return {};
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", c.hour, c.minute);
    return text;
}

} // namespace

std::optional<GeoPoint> ClockCity(const CClock& clock, const ZoneAtlas& atlas)
{
    return atlas.Find(clock.zone.keyName);
}

ClockSunView ClockSunToday(const CClock& clock, const ZoneAtlas& atlas, const DateTime& utcNow)
{
    ClockSunView view;
    const auto city = ClockCity(clock, atlas);
    CalendarTime today;
    const DateTime local = clock.GetTime(utcNow);
    if (!city || !local.ToCalendar(today))
        return view;
    view.placed = true;
    const auto offsetMinutes =
        static_cast<int>(std::llround((local.ToUnixSeconds() - utcNow.ToUnixSeconds()) / 60.0));
    const SunDay day = SunTimesOn(*city, today.year, today.month, today.day, offsetMinutes);
    view.kind = day.kind;
    if (day.kind == SunDay::Normal) {
        if (day.rises)
            view.sunrise = HourMinute(clock, day.sunrise);
        if (day.sets)
            view.sunset = HourMinute(clock, day.sunset);
    }
    return view;
}

ClockChangeView NextChangeOfClock(const CClock& clock, const std::filesystem::path& zoneFolder,
                                  const DateTime& utcNow)
{
    ClockChangeView view;
    TzifZone zone;
    std::string error;
    if (clock.zone.keyName.empty() || !ReadZoneFile(zoneFolder, clock.zone.keyName, zone, error))
        return view;
    view.known = true;
    view.change = NextClockChange(zone, UnixSeconds(utcNow));
    if (view.change) {
        // The wall clock of the zone just before the change, as people say it ("at 02:00").
        view.localBefore =
            DateTime::FromUnixSeconds(static_cast<double>(view.change->when) +
                                      static_cast<double>(view.change->offsetBefore));
        view.newOffset = UtcOffsetText(view.change->offsetAfter);
    }
    return view;
}

} // namespace orbel
