#pragma once
// Whether the windows can open at all: Qt aborts when it finds no display, so the program
// asks first and says so plainly.
#include <string>

namespace numbrela::ui {

bool HayPantalla();
// One plain sentence for a start without a display, pointing at the command line.
std::string MensajeSinPantalla();

} // namespace numbrela::ui
