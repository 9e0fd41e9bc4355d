#pragma once
// The command line's time-server actions: one transfer, and optionally setting the clock.
//   orbel --query [SERVER] [--timeout S]
//   orbel --adjust full|minsec [SERVER] [--timeout S]
#include <optional>
#include <string>

#include "app/CommandLine.h"

namespace orbel::app {

// The exit code when the command line names a time-server action, else nothing.
std::optional<int> RunSyncAction(int argc, char** argv, const Options& options);

std::string SyncActionsHelpText();

} // namespace orbel::app
