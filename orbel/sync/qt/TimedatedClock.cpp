#include "sync/qt/TimedatedClock.h"

#include <QDBusMessage>

#include "sync/SystemClock.h"

namespace orbel {

bool SetTimeThroughTimedated(QDBusConnection& bus, std::int64_t unixMs, bool mayAsk,
                             std::string& error, int waitMs)
{
    error.clear();
    if (!bus.isConnected()) {
        error = bus.lastError().message().toStdString();
        if (error.empty())
            error = "The system bus is not available.";
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.timedate1", "/org/freedesktop/timedate1",
                                       "org.freedesktop.timedate1", "SetTime");
    call << static_cast<qint64>(unixMs * 1000) << false << mayAsk;
    call.setInteractiveAuthorizationAllowed(mayAsk);
    // The windows keep repainting while the prompt is open (AdjustClock refuses a second
    // adjustment started from this nested event loop). The program may be told to end
    // meanwhile; the loop is then left without a reply.
    const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui, waitMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    if (reply.type() == QDBusMessage::ErrorMessage)
        error = TimedatedRefusalText(reply.errorName().toStdString(),
                                     reply.errorMessage().toStdString());
    else
        error = "The program was ending before the date-time service answered; this program "
                "did not set the clock.";
    return false;
}

} // namespace orbel
