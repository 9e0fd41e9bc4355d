#pragma once
// Setting the computer's clock through systemd-timedated on a bus: SetTime(usec_utc,
// relative, interactive). The call waits up to two minutes (the user may be answering an
// authorisation prompt) while the windows' events keep running; only the service's own
// reply counts as success. A wait left because the program is ending, or without an
// answer, is a failure with its own words.
#include <QDBusConnection>

#include <cstdint>
#include <string>

namespace orbel {

constexpr int kTimedatedWaitMs = 120000;

bool SetTimeThroughTimedated(QDBusConnection& bus, std::int64_t unixMs, bool mayAsk,
                             std::string& error, int waitMs = kTimedatedWaitMs);

} // namespace orbel
