#pragma once
// The computer's clock as the tests see it: it stands still at `local` and `utc` (by default
// 2026-12-08 21:00:00.700 local, 20:00:00.700 UTC) and records each instant it is set to (in
// UTC), or refuses with `refusal` when that is not empty. No test ever sets this machine's clock.
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "sync/SystemClock.h"

namespace orbel::test {

inline CalendarTime Cal(int y, int mo, int d, int h, int mi, int s, int ms)
{
    CalendarTime c;
    c.year = y, c.month = mo, c.day = d, c.hour = h, c.minute = mi, c.second = s;
    c.millisecond = ms;
    return c;
}

class FakeSystemClock : public SystemClock {
public:
    CalendarTime local = Cal(2026, 12, 8, 21, 0, 0, 700);
    CalendarTime utc = Cal(2026, 12, 8, 20, 0, 0, 700);
    std::string refusal;
    std::vector<CalendarTime> set;
    std::vector<bool> mayAsk; // whether each setting might have asked the user
    // Runs while the clock is being set, as a window's events run during the wait.
    std::function<void()> whileSetting;

    void StandAt(const CalendarTime& both) { local = utc = both; }

    CalendarTime LocalNow() override { return local; }
    CalendarTime UtcNow() override { return utc; }
    bool SetTimeWithPrivilege(const CalendarTime& t, bool ask) override
    {
        mayAsk.push_back(ask);
        if (whileSetting)
            whileSetting();
        if (!refusal.empty())
            return false;
        set.push_back(t);
        return true;
    }
    std::string LastErrorText() const override { return refusal; }
};

// The computer's clock as an instant (milliseconds since 1970 UTC) shown in the zone that
// TZ names: the test sets TZ (ZoneForTest) and the clock's local time follows that zone's
// rules, the repeated hour and the gap included. Setting it moves it.
class ZonedFakeClock : public SystemClock {
public:
    std::int64_t utcMs = 0;
    std::vector<std::int64_t> set; // each instant it was set to
    std::string refusal;

    static CalendarTime Calendar(std::int64_t ms, bool local)
    {
        const std::time_t s = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
        std::tm tm{};
        if (local)
            ::localtime_r(&s, &tm);
        else
            ::gmtime_r(&s, &tm);
        CalendarTime c = Cal(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                             tm.tm_sec, static_cast<int>(ms - std::int64_t{s} * 1000));
        c.dayOfWeek = tm.tm_wday;
        c.dayOfYear = tm.tm_yday + 1;
        return c;
    }
    // Milliseconds since 1970 of a UTC calendar time.
    static std::int64_t Ms(int y, int mo, int d, int h, int mi, int s, int ms = 0)
    {
        std::tm tm{};
        tm.tm_year = y - 1900, tm.tm_mon = mo - 1, tm.tm_mday = d;
        tm.tm_hour = h, tm.tm_min = mi, tm.tm_sec = s;
        return std::int64_t{::timegm(&tm)} * 1000 + ms;
    }

    CalendarTime LocalNow() override { return Calendar(utcMs, true); }
    CalendarTime UtcNow() override { return Calendar(utcMs, false); }
    bool SetTimeWithPrivilege(const CalendarTime& t, bool) override
    {
        if (!refusal.empty())
            return false;
        utcMs = UnixMsFromUtc(t);
        set.push_back(utcMs);
        return true;
    }
    std::string LastErrorText() const override { return refusal; }
};

// Sets TZ for the life of the object and puts the old value back.
class ZoneForTest {
public:
    explicit ZoneForTest(const char* zone)
    {
        if (const char* old = std::getenv("TZ")) {
            had_ = true;
            old_ = old;
        }
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ZoneForTest()
    {
        if (had_)
            ::setenv("TZ", old_.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    ZoneForTest(const ZoneForTest&) = delete;
    ZoneForTest& operator=(const ZoneForTest&) = delete;

private:
    bool had_ = false;
    std::string old_;
};

} // namespace orbel::test
