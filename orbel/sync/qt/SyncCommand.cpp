#include "sync/qt/SyncCommand.h"

#include <QEventLoop>
#include <QTimer>

#include <optional>

#include "sync/SocketErrors.h"
#include "sync/qt/CSyncClient.h"
#include "zones/StringTable.h"
#include "zones/Translation.h"

namespace orbel {
namespace {

void PrintFields(const SyncRecord& record, SystemClock& clock, const DateTimeFormatter& format,
                 std::ostream& out)
{
    const AdjustTimeFields f = AdjustTimePageFields(record, DateTimeFromCalendar(clock.LocalNow()),
                                                    DateTime::Null(), 0, format);
    // The rows of the Adjust Time page: "UTC: ...", "Local: ", "This PC: ", "Difference: ",
    // and for a network time reading "Offset: " and "Delay: ".
    for (const ReadingRow& row : ReadingRows(f))
        out << row.caption << " " << row.text << "\n";
}

} // namespace

int RunSyncCommand(const SyncCommand& command, SyncRecord& record, DateTime& lastAdjusted,
                   bool& modified, SystemClock& clock, const DateTimeFormatter& format,
                   std::ostream& out, std::ostream& err)
{
    CSyncClient client(record, clock);
    // The transfer's own waits end it with its timeout error; a lookup that hangs is
    // cancelled a little later.
    client.answerWaitMs = command.waitMs;
    client.ntpAnswerWaitMs = std::min(client.ntpAnswerWaitMs, command.waitMs);
    QEventLoop loop;
    std::optional<TransferNotification> result;
    QObject::connect(&client, &CSyncClient::transferEnded, [&](const TransferNotification& n) {
        result = n;
        loop.quit();
    });
    QTimer backstop;
    backstop.setSingleShot(true);
    QObject::connect(&backstop, &QTimer::timeout, [&] {
        if (client.CurrentTransfer())
            client.CurrentTransfer()->Cancel(); // reported as 10004
    });
    backstop.start(command.waitMs + 500);
    client.StartDownload(0, command.server);
    if (!result)
        loop.exec();
    backstop.stop();

    if (!result || result->kind != TransferFinished) {
        const int code = result ? result->code : SocketError::Interrupted;
        err << SocketErrorMessage(code) << "\n";
        if (!client.SettingProblem().empty())
            err << client.SettingProblem() << "\n";
        return 2;
    }
    PrintFields(record, clock, format, out);
    if (!command.adjust)
        return 0;

    const AdjustResult adjusted =
        AdjustClock(command.mode, {record, lastAdjusted, modified}, clock);
    if (adjusted == AdjustFailed || adjusted == AdjustBusy) {
        err << FormatMessage(Tr("SyncCommand", "The clock was not set: %1"),
                             {adjusted == AdjustBusy ? AdjustBusyText() : clock.LastErrorText()})
            << "\n";
        return 2;
    }
    if (adjusted == AdjustChanged) {
        out << Tr("SyncCommand", "The clock was set.") << "\n";
        PrintFields(record, clock, format, out);
    } else {
        out << Tr("SyncCommand", "Nothing to change: the clock already shows the server's time.")
            << "\n";
    }
    return 0;
}

} // namespace orbel
