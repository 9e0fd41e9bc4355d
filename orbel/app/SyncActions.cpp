#include "app/SyncActions.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <memory>

#include "sync/AdjustTimePage.h"
#include "sync/CSyncClient.h"
#include "sync/ClockAdjustment.h"
#include "sync/LinuxSystemClock.h"
#include "sync/ServerSetting.h"
#include "sync/SocketErrors.h"

namespace orbel::app {
namespace {

// A command line must not wait for ever on a server that never answers.
constexpr double kDefaultTimeoutSeconds = 10.0;

struct SyncRequest {
    bool adjust = false;
    int mode = AdjustMinutesSeconds;
    std::string server;
    double timeoutSeconds = kDefaultTimeoutSeconds;
};

std::optional<std::string> ParseRequest(const std::vector<std::string>& args, SyncRequest& r)
{
    std::size_t i = 1;
    if (args[0] == "--adjust") {
        r.adjust = true;
        if (args.size() < 2)
            return "--adjust needs full or minsec";
        if (args[1] == "full")
            r.mode = AdjustFull;
        else if (args[1] == "minsec")
            r.mode = AdjustMinutesSeconds;
        else
            return "--adjust takes full or minsec, not \"" + args[1] + "\"";
        i = 2;
    }
    bool haveServer = false;
    for (; i < args.size(); ++i) {
        if (args[i] == "--timeout") {
            if (i + 1 >= args.size())
                return "--timeout needs a number of seconds";
            char* end = nullptr;
            const double s = std::strtod(args[i + 1].c_str(), &end);
            if (end == args[i + 1].c_str() || *end != '\0' || !(s > 0) || s > 86400)
                return "--timeout takes seconds from more than 0 to 86400, not \"" +
                       args[i + 1] + "\"";
            r.timeoutSeconds = s;
            ++i;
        } else if (!haveServer && (args[i].empty() || args[i][0] != '-')) {
            r.server = args[i];
            haveServer = true;
        } else {
            return "Unknown option for " + args[0] + ": " + args[i];
        }
    }
    if (!haveServer)
        r.server = DefaultServerSetting();
    return std::nullopt;
}

void PrintFields(const SyncRecord& record, SystemClock& clock)
{
    const AdjustTimeFields f = AdjustTimePageFields(record, DateTimeFromCalendar(clock.LocalNow()),
                                                    DateTime::Null(), 0);
    std::cout << "UTC: " << f.utc << "\nLocal: " << f.local << "\nThis PC: " << f.thisPc
              << "\nDifference: " << f.difference << "\n";
}

}  // namespace

std::optional<int> RunSyncAction(int argc, char** argv, const Options& options)
{
    if (options.rest.empty() || (options.rest[0] != "--query" && options.rest[0] != "--adjust"))
        return std::nullopt;
    SyncRequest request;
    if (auto error = ParseRequest(options.rest, request)) {
        std::cerr << *error << "\n";
        return 2;
    }
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);

    LinuxSystemClock clock;
    SyncRecord record;
    CSyncClient client(record, clock);
    QEventLoop loop;
    std::optional<TransferNotification> result;
    client.onNotification = [&](const TransferNotification& n) {
        result = n;
        loop.quit();
    };
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [&] {
        if (client.CurrentTransfer())
            client.CurrentTransfer()->Cancel();  // reported as 10004
    });
    timeout.start(static_cast<int>(request.timeoutSeconds * 1000));
    client.StartDownload(0, request.server);
    if (!result)
        loop.exec();
    timeout.stop();

    if (!result || result->kind != TransferFinished) {
        const int code = result ? result->code : SocketError::Interrupted;
        std::cerr << SocketErrorMessage(code) << "\n";
        if (!client.SettingProblem().empty())
            std::cerr << client.SettingProblem() << "\n";
        return 2;
    }
    PrintFields(record, clock);
    if (!request.adjust)
        return 0;

    DateTime lastAdjusted = DateTime::Null();
    bool modified = false;
    switch (AdjustClock(request.mode, {record, lastAdjusted, modified}, clock)) {
    case AdjustChanged:
        std::cout << "The clock was set.\n";
        PrintFields(record, clock);
        return 0;
    case AdjustNothingToChange:
        std::cout << "Nothing to change: the clock already shows the server's time.\n";
        return 0;
    default:
        std::cerr << "The clock was not set: " << clock.LastErrorText() << "\n";
        return 2;
    }
}

std::string SyncActionsHelpText()
{
    return "  --query [SERVER] [--timeout S]\n"
           "                     ask a time server (RFC 868) for the time and show it beside\n"
           "                     this computer's; SERVER is host, host:port or a.b.c.d[:port]\n"
           "                     (default: " +
           DefaultServerSetting().substr(0, DefaultServerSetting().find(' ')) +
           ");\n"
           "                     the transfer is cancelled after S seconds (default 10)\n"
           "  --adjust full|minsec [SERVER] [--timeout S]\n"
           "                     ask, then set this computer's clock fully or only its\n"
           "                     minutes and seconds\n";
}

}  // namespace orbel::app
