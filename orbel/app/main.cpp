// The world clock's entry point: command-line options, then the windows or an action.
#include <iostream>

#include "app/ClockActions.h"
#include "app/ClockProgram.h"
#include "app/CommandLine.h"
#include "app/PlanActions.h"
#include "app/SunActions.h"
#include "app/SyncActions.h"
#include "app/ZoneActions.h"
#include "zones/qt/Language.h"

int main(int argc, char** argv)
{
    using namespace orbel::app;
    // The texts in the user's language (English when the program has none for it), for the
    // command line's messages as well as the windows.
    orbel::InstallLanguage();
    Options options;
    if (auto error = ParseCommandLine(argc, argv, options)) {
        std::cerr << *error << "\n";
        return 2;
    }
    if (!options.dataDirWarning.empty())
        std::cerr << options.dataDirWarning << "\n";
    if (options.help) {
        std::cout << HelpText() << ZoneActionsHelp() << SunActionsHelp() << PlanActionsHelp()
                  << ClockActionsHelp() << SyncActionsHelpText();
        return 0;
    }

    if (auto code = RunZoneAction(options, std::cout, std::cerr))
        return *code;
    if (auto code = RunPlanAction(options, std::cout, std::cerr))
        return *code;
    if (auto code = RunSunAction(options, std::cout, std::cerr))
        return *code;
    if (options.version) {
        std::cout << "Orbel v3.1\n";
        return 0;
    }
    if (auto code = RunClockAction(options, std::cout, std::cerr))
        return *code;
    if (auto code = RunSyncAction(argc, argv, options))
        return *code;
    return RunClockProgram(argc, argv, options);
}
