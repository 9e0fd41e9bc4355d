#include "sync/SystemClock.h"

namespace orbel {

DateTime DateTimeFromCalendar(const CalendarTime& c)
{
    return DateTime::FromCalendar(c) + DateTimeSpan(c.millisecond / 86400000.0);
}

} // namespace orbel
