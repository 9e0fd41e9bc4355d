#pragma once
// The command line's meeting plan: the hours of a day side by side in several zones.
#include <iosfwd>
#include <optional>
#include <string>

#include "app/CommandLine.h"

namespace orbel::app {

// The help lines of --plan.
std::string PlanActionsHelp();

// `--plan ZONE1,ZONE2[,...] [--date YYYY-MM-DD]`: one line per hour of the first zone's day
// (today there when no date is given), each with the local HH:MM of every zone. Returns the
// exit code, or none when the line holds no plan.
std::optional<int> RunPlanAction(const Options& options, std::ostream& out, std::ostream& err);

} // namespace orbel::app
