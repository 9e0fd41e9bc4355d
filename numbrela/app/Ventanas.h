#pragma once
// Starting the windows: the main window, maximised, when there is a display.
namespace numbrela::app {

struct Opciones;

// Runs the planner's windows until the main window closes; returns the exit code. Without
// a display it prints one plain sentence and returns non-zero.
int ArrancaVentanas(int argc, char** argv, const Opciones& opciones);

} // namespace numbrela::app
