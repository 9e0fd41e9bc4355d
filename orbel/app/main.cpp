// The world clock's entry point: command-line options, then the windows or an action.
#include <iostream>

#include "app/ClockActions.h"
#include "app/CommandLine.h"
#include "app/ZoneActions.h"

int main(int argc, char** argv)
{
    using namespace orbel::app;
    Options options;
    if (auto error = ParseCommandLine(argc, argv, options)) {
        std::cerr << *error << "\n";
        return 2;
    }
    if (options.help) {
        std::cout << HelpText() << orbel::app::ZoneActionsHelp();
        return 0;
    }

    if (auto code = orbel::app::RunZoneAction(options, std::cout, std::cerr))
        return *code;
    if (options.version) {
        std::cout << "Orbel v3.1\n";
        return 0;
    }
    if (auto code = RunClockAction(options, std::cout, std::cerr))
        return *code;
    // The windows are not built yet: say plainly what this build can do.
    std::cout << "Orbel v3.1\n"
                 "This build has no windows yet. Today it can:\n"
                 "  --help      show the options\n"
                 "  --version   show the version\n"
                 "  --data-dir  use another data folder (now: "
              << options.dataDir.string() << ")\n";
    return 0;
}
