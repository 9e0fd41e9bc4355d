#include "sync/SystemClock.h"

namespace orbel {

DateTime DateTimeFromCalendar(const CalendarTime& c)
{
    return DateTime::FromCalendar(c) + DateTimeSpan(c.millisecond / 86400000.0);
}

std::string TimedatedRefusalText(const std::string& errorName, const std::string& message)
{
    auto endsWith = [&](const char* tail) {
        const std::string t = tail;
        return errorName.size() >= t.size() &&
               errorName.compare(errorName.size() - t.size(), t.size(), t) == 0;
    };
    if (endsWith(".AutomaticTimeSyncEnabled"))
        return "The clock is kept by network time synchronisation, which is switched on, so "
               "the system does not let it be set by hand. Switch network time "
               "synchronisation off (timedatectl set-ntp false) to set the clock here.";
    if (endsWith(".InteractiveAuthorizationRequired"))
        return "Setting the clock needs an administrator's authorisation, and an automatic "
               "adjustment does not ask for it.";
    if (!message.empty())
        return message;
    return errorName;
}

} // namespace orbel
