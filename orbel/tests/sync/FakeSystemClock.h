#pragma once
// The computer's clock as the tests see it: it stands still at `local` and `utc` (by default
// 2026-12-08 21:00:00.700 local, 20:00:00.700 UTC) and records each time it is set to, or
// refuses with `refusal` when that is not empty. No test ever sets this machine's clock.
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
    bool SetLocalTimeWithPrivilege(const CalendarTime& t, bool ask) override
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

} // namespace orbel::test
