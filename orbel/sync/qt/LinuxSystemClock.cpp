#include "sync/qt/LinuxSystemClock.h"

#include "sync/qt/TimedatedClock.h"

#include <QDBusConnection>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace orbel {
namespace {

CalendarTime FromTm(const std::tm& tm, long nanoseconds)
{
    CalendarTime c;
    c.year = tm.tm_year + 1900;
    c.month = tm.tm_mon + 1;
    c.day = tm.tm_mday;
    c.hour = tm.tm_hour;
    c.minute = tm.tm_min;
    c.second = tm.tm_sec > 59 ? 59 : tm.tm_sec; // a leap second reads as :59
    c.millisecond = static_cast<int>(nanoseconds / 1000000);
    c.dayOfWeek = tm.tm_wday;
    c.dayOfYear = tm.tm_yday + 1;
    return c;
}

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
};

bool GetCapabilities(Capabilities& c)
{
    return ::syscall(SYS_capget, &c.header, c.data) == 0;
}

bool SetCapabilities(Capabilities c)
{
    c.header.version = _LINUX_CAPABILITY_VERSION_3;
    c.header.pid = 0;
    return ::syscall(SYS_capset, &c.header, c.data) == 0;
}

} // namespace

CalendarTime LinuxSystemClock::LocalNow()
{
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    ::localtime_r(&ts.tv_sec, &tm);
    return FromTm(tm, ts.tv_nsec);
}

CalendarTime LinuxSystemClock::UtcNow()
{
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    ::gmtime_r(&ts.tv_sec, &tm);
    return FromTm(tm, ts.tv_nsec);
}

bool LinuxSystemClock::SetTimeWithPrivilege(const CalendarTime& utc, bool mayAsk)
{
    lastError_.clear();
    const std::int64_t ms = UnixMsFromUtc(utc);
    const long long seconds = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    const int milliseconds = static_cast<int>(ms - seconds * 1000);
    bool tried = false;
    const bool ok = SetWithCapability(seconds, milliseconds, tried);
    if (tried)
        return ok;
    return SetThroughTimedated(seconds, milliseconds, mayAsk);
}

bool LinuxSystemClock::SetWithCapability(long long unixSeconds, int ms, bool& tried)
{
    const unsigned index = CAP_TO_INDEX(CAP_SYS_TIME);
    const unsigned mask = CAP_TO_MASK(CAP_SYS_TIME);
    Capabilities before;
    if (!GetCapabilities(before) || !(before.data[index].permitted & mask))
        return false; // not ours to raise: the date-time service decides
    tried = true;
    const bool raise = !(before.data[index].effective & mask);
    if (raise) {
        Capabilities raised = before;
        raised.data[index].effective |= mask;
        if (!SetCapabilities(raised)) {
            lastError_ = std::strerror(errno);
            return false;
        }
    }
    const timespec ts{static_cast<std::time_t>(unixSeconds), static_cast<long>(ms) * 1000000L};
    bool ok = ::clock_settime(CLOCK_REALTIME, &ts) == 0;
    if (!ok)
        lastError_ = std::strerror(errno);
    // Put the right back as it was; a failed restore fails the whole, though the time is set.
    if (raise && !SetCapabilities(before)) {
        if (ok)
            lastError_ = std::strerror(errno);
        ok = false;
    }
    return ok;
}

bool LinuxSystemClock::SetThroughTimedated(long long unixSeconds, int ms, bool mayAsk)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    return SetTimeThroughTimedated(bus, unixSeconds * 1000 + ms, mayAsk, lastError_);
}

} // namespace orbel
