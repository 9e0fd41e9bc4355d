#pragma once
// The computer's clock on Linux. Setting it: a process that may raise CAP_SYS_TIME (it is
// in its permitted set) raises it into the effective set, sets the clock and puts the set
// back as it was; any other process asks systemd-timedated over the system bus, which asks
// the user for authorisation when that is allowed.
#include <string>

#include "sync/SystemClock.h"

namespace orbel {

class LinuxSystemClock : public SystemClock {
public:
    CalendarTime LocalNow() override;
    CalendarTime UtcNow() override;
    bool SetTimeWithPrivilege(const CalendarTime& utc, bool mayAsk) override;
    std::string LastErrorText() const override { return lastError_; }

private:
    bool SetWithCapability(long long unixSeconds, int milliseconds, bool& tried);
    bool SetThroughTimedated(long long unixSeconds, int milliseconds, bool mayAsk);

    std::string lastError_;
};

} // namespace orbel
