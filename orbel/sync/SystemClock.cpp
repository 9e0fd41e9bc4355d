#include "sync/SystemClock.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

namespace orbel {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

std::int64_t UnixMsFromUtc(const CalendarTime& c)
{
    const std::int64_t days = DaysFromCivil(c.year, c.month, c.day);
    return ((days * 24 + c.hour) * 60 + c.minute) * 60000 + std::int64_t{c.second} * 1000 +
           c.millisecond;
}

CalendarTime UtcFromUnixMs(std::int64_t ms)
{
    const std::int64_t days = FloorDiv(ms, 86400000);
    std::int64_t rest = ms - days * 86400000;
    CalendarTime c;
    CivilFromDays(days, c.year, c.month, c.day);
    c.hour = static_cast<int>(rest / 3600000);
    rest %= 3600000;
    c.minute = static_cast<int>(rest / 60000);
    rest %= 60000;
    c.second = static_cast<int>(rest / 1000);
    c.millisecond = static_cast<int>(rest % 1000);
    c.dayOfWeek = static_cast<int>(((days % 7) + 11) % 7); // 1970-01-01 was a Thursday
    c.dayOfYear = static_cast<int>(days - DaysFromCivil(c.year, 1, 1) + 1);
    return c;
}

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
        return Tr("ClockAdjustment",
                  "The clock is kept by network time synchronisation, which is switched on, so "
                  "the system does not let it be set by hand. Switch network time "
                  "synchronisation off (timedatectl set-ntp false) to set the clock here.");
    if (endsWith(".InteractiveAuthorizationRequired"))
        return Tr("ClockAdjustment",
                  "Setting the clock needs an administrator's authorisation, and an automatic "
                  "adjustment does not ask for it.");
    if (!message.empty())
        return message;
    return errorName;
}

} // namespace orbel
