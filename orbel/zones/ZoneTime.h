#pragma once
// Daylight-saving rules and zone time: when a rule takes effect in a year, a UTC instant
// in a zone's local time, and a zone's current time.
#include <cstdint>
#include <functional>

#include "zones/DateTime.h"
#include "zones/RegTimeZone.h"
#include "zones/TimeZoneInformation.h"

namespace orbel {

// The computer's UTC clock, handed in by the caller (core code never reads the clock).
using UtcClock = std::function<DateTime()>;

// A date-time as a system time: wDayOfWeek from the date, wMilliseconds as given. All
// zeroes but the milliseconds when the value is not a valid date of years 100..9999.
SystemTime ToSystemTime(const DateTime& value, std::uint16_t milliseconds = 0);
// A system time's date and time of day (wDayOfWeek and wMilliseconds are ignored).
DateTime FromSystemTime(const SystemTime& t);

// The instant, in the local time in force before the transition, at which a rule takes
// effect in `year`. An absolute rule (wYear set) gives its own date whatever the year.
// Out-of-range fields give an invalid date-time.
DateTime TransitionForYear(const SystemTime& rule, int year);

// Whether daylight time is in force at UTC instant `utc` (rules of the UTC year).
bool IsDaylightTime(const TimeZoneInformation& zone, const DateTime& utc);
// Local time minus UTC, in minutes, at UTC instant `utc`.
std::int64_t ZoneOffsetMinutes(const TimeZoneInformation& zone, const DateTime& utc);

// A UTC instant in the zone's local time; never fails.
SystemTime UtcToZoneTime(const TimeZoneInformation& zone, const SystemTime& utc);

// The zone's current local time. Without adjustment daylight saving is ignored (UTC minus
// Bias only). With it, the platform's own conversion is tried first while the process-wide
// switch is on; this build has none, so the switch starts off.
DateTime GetCurrentTime(const CRegTimeZone& zone, bool adjustForDaylightSaving,
                        const UtcClock& utcNow);

// The platform conversion: true and `local` filled on success. Setting one switches the
// process-wide switch on; its first failure switches it off for the rest of the run.
using PlatformZoneConversion =
    std::function<bool(const TimeZoneInformation&, const SystemTime& utc, SystemTime& local)>;
void SetPlatformZoneConversion(PlatformZoneConversion conversion);
bool PlatformZoneConversionOn();

} // namespace orbel
