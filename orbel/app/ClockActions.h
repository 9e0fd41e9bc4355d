#pragma once
// Command-line actions on the clocks of the settings.
#include <iosfwd>
#include <optional>
#include <string>

#include "app/CommandLine.h"

namespace orbel::app {

// `--clocks`: each clock of the settings in the data folder, name and current time,
// tab-separated. Returns the exit code, or none when the line holds no clock action.
// The help lines of the clock actions.
std::string ClockActionsHelp();

std::optional<int> RunClockAction(const Options& options, std::ostream& out, std::ostream& err);

} // namespace orbel::app
