#pragma once
// Whether the windows can open at all: Qt aborts when it finds no display, so the program
// asks first and says so plainly.
#include <string>

namespace orbel {

bool HasDisplay();
// One plain sentence for a start without a display, pointing at the command line.
std::string NoDisplayMessage();

} // namespace orbel
