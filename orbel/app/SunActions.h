#pragma once
// The sun and clock-change actions of the command line:
//   orbel --sun ZONE [--date YYYY-MM-DD]
//   orbel --next-change ZONE [--at YYYY-MM-DDTHH:MM:SS]
#include <optional>
#include <ostream>
#include <string>

#include "app/CommandLine.h"

namespace orbel::app {

// Runs --sun or --next-change when the command line asks for one and returns the exit code
// (0 done, 1 zone unknown or without a city, 2 wrong command line); nullopt otherwise.
std::optional<int> RunSunAction(const Options& options, std::ostream& out, std::ostream& err);

std::string SunActionsHelp();

} // namespace orbel::app
