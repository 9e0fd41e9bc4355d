#pragma once
// What the time synchronisation needs of the computer's clock: reading it and setting it.
// The program uses LinuxSystemClock; tests hand in a clock of their own.
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
    // Sets the clock to a local calendar time, raising and restoring whatever right that
    // takes; true on success. On failure LastErrorText() says why in the system's words.
    virtual bool SetLocalTimeWithPrivilege(const CalendarTime& local) = 0;
    virtual std::string LastErrorText() const = 0;
};

// A calendar time (milliseconds included) as a date-time value.
DateTime DateTimeFromCalendar(const CalendarTime& c);

} // namespace orbel
