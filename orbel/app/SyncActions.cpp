#include "app/SyncActions.h"

#include <QCoreApplication>

#include <cstdlib>
#include <iostream>
#include <memory>

#include "settings/FileRegistryStore.h"
#include "settings/SettingsPlatform.h"
#include "settings/SettingsStartup.h"
#include "sync/qt/LinuxSystemClock.h"
#include "sync/qt/SyncCommand.h"
#include "zones/StringTable.h"
#include "zones/Translation.h"
#include "zones/qt/LocaleAdapter.h"

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
            return Tr("CommandLine", "--adjust needs full or minsec");
        if (args[1] == "full")
            r.mode = AdjustFull;
        else if (args[1] == "minsec")
            r.mode = AdjustMinutesSeconds;
        else
            return FormatMessage(Tr("CommandLine", "--adjust takes full or minsec, not \"%1\""),
                                 {args[1]});
        i = 2;
    }
    bool haveServer = false;
    r.server.clear();
    for (; i < args.size(); ++i) {
        if (args[i] == "--timeout") {
            if (i + 1 >= args.size())
                return Tr("CommandLine", "--timeout needs a number of seconds");
            char* end = nullptr;
            const double s = std::strtod(args[i + 1].c_str(), &end);
            if (end == args[i + 1].c_str() || *end != '\0' || !(s > 0) || s > 86400)
                return FormatMessage(Tr("CommandLine", "--timeout takes seconds from more than 0 "
                                                       "to 86400, not \"%1\""),
                                     {args[i + 1]});
            r.timeoutSeconds = s;
            ++i;
        } else if (!haveServer && (args[i].empty() || args[i][0] != '-')) {
            r.server = args[i];
            haveServer = true;
        } else {
            return FormatMessage(Tr("CommandLine", "Unknown option for %1: %2"),
                                 {args[0], args[i]});
        }
    }
    return std::nullopt;
}

} // namespace

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

    // The settings give the server when none is named, and keep the time of the last
    // adjustment. A query only reads them.
    FileRegistryStore store(FileRegistryStore::DefaultFolder());
    store.SetReadOnly(!request.adjust);
    std::error_code ec;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    SettingsPlatform platform = SystemSettingsPlatform(options.dataDir);
    ApplyLocaleTexts(platform, UserLocaleTexts());
    CAppSettings settings(store, platform, program);
    // A query reads and reports: a damaged file stays where it is. An adjustment saves the
    // settings, so it starts as the program does.
    const StartupLoad load = LoadSettingsAtStart(
        settings, request.adjust ? BadSettingsFile::MoveAside : BadSettingsFile::LeaveInPlace);
    if (!load.ok) {
        std::cerr << load.message << "\n";
        return 1;
    }
    if (request.server.empty())
        request.server = settings.server;

    LinuxSystemClock clock;
    SyncCommand command;
    command.server = request.server;
    command.adjust = request.adjust;
    command.mode = request.mode;
    command.waitMs = static_cast<int>(request.timeoutSeconds * 1000);
    bool modified = false;
    // The page's texts in the user's locale, as the window shows them.
    const int status =
        RunSyncCommand(command, settings.syncRecord, settings.lastAdjusted, modified, clock,
                       LocaleFormatter(UserLocaleTexts()), std::cout, std::cerr);
    if (status != 0 || !request.adjust)
        return status;
    // Last adjusted is kept, as after the page's buttons.
    if (modified) {
        settings.SetModified();
        const SaveResult saved = settings.Save();
        if (!saved.ok) {
            std::cerr << saved.error << "\n";
            return 1;
        }
    }
    return 0;
}

std::string SyncActionsHelpText()
{
    return Tr("CommandLine",
              "  --query [SERVER] [--timeout S]\n"
              "                     ask a time server (RFC 868) for the time and show it beside\n"
              "                     this computer's; SERVER is host, host:port, a.b.c.d[:port],\n"
              "                     an IPv6 address (::1, or [::1]:port) (default: the server\n"
              "                     of the settings), or ntp://host[:port] for a network time\n"
              "                     server (SNTP), whose offset and delay are shown to the\n"
              "                     millisecond; a server that has not answered after S\n"
              "                     seconds (default 10) ends it with error 10060\n"
              "  --adjust full|minsec [SERVER] [--timeout S]\n"
              "                     ask, then set this computer's clock fully or only its\n"
              "                     minutes and seconds\n");
}

} // namespace orbel::app
