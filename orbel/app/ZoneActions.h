#pragma once
// The zone actions of the command line:
//   orbel --zones [--mode ignore|merge|replace]
//   orbel --time ZONE [--at YYYY-MM-DDTHH:MM:SS] [--no-dst] [--mode ...]
#include <optional>
#include <ostream>
#include <string>

#include "app/CommandLine.h"

namespace orbel::app {

// Runs --zones or --time when the command line asks for one and returns the exit code
// (0 done, 1 zone not found, 2 wrong command line); nullopt when it asks for neither.
std::optional<int> RunZoneAction(const Options& options, std::ostream& out, std::ostream& err);

std::string ZoneActionsHelp();

} // namespace orbel::app
