#pragma once
// The world clock with its window: started when the command line names no action.
#include "app/CommandLine.h"

namespace orbel::app {

// Runs the program until it ends; returns its exit status.
int RunClockProgram(int argc, char** argv, const Options& options);

} // namespace orbel::app
