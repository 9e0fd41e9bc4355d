#pragma once
// Whether the windows can open at all: Qt aborts when it finds no display, so the program
// asks first and says so plainly.
#include <string>

namespace numbrela::ui {

bool HayPantalla();
// On Wayland, ends the process at once with `estado`, standard output and error flushed;
// elsewhere does nothing. For the very end of the program, once its windows are gone: Qt's
// teardown of a Wayland connection now and then waits forever (its event thread waits on a
// read that no other thread finishes), and the program would never end.
void TerminaYaEnWayland(int estado);
// One plain sentence for a start without a display, pointing at the command line.
std::string MensajeSinPantalla();

} // namespace numbrela::ui
