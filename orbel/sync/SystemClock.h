#pragma once
// What the time synchronisation needs of the computer's clock: reading it and setting it.
// The program uses LinuxSystemClock; tests hand in a clock of their own.
#include <cstdint>
#include <string>

#include "zones/DateTime.h"

namespace orbel {

class SystemClock {
public:
    virtual ~SystemClock() = default;
    // The current local time, milliseconds and day of week included.
    virtual CalendarTime LocalNow() = 0;
    // The current UTC time.
    virtual CalendarTime UtcNow() = 0;
    // Sets the clock to an instant, written as a UTC calendar time (milliseconds included),
    // raising and restoring whatever right that takes; true on success. On failure
    // LastErrorText() says why in the system's words. A UTC time names one instant, where a
    // local time may name two (the hour repeated when clocks go back) or none (the gap when
    // they go forward). mayAsk: the system may ask the user for authorisation (never for an
    // automatic adjustment, which nobody is there to answer).
    virtual bool SetTimeWithPrivilege(const CalendarTime& utc, bool mayAsk) = 0;
    virtual std::string LastErrorText() const = 0;
};

// The words for a refusal of systemd-timedated (its D-Bus error name and message): network
// time synchronisation and a needed but unasked authorisation said plainly, anything else
// in the service's own message.
std::string TimedatedRefusalText(const std::string& errorName, const std::string& message);

// A UTC calendar time as milliseconds since 1970-01-01 00:00:00 UTC, and back (the day of
// the week and of the year filled in).
std::int64_t UnixMsFromUtc(const CalendarTime& utc);
CalendarTime UtcFromUnixMs(std::int64_t ms);

// A calendar time (milliseconds included) as a date-time value.
DateTime DateTimeFromCalendar(const CalendarTime& c);

} // namespace orbel
