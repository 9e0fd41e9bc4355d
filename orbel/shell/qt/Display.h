#pragma once
// Whether the windows can open at all: Qt aborts when it finds no display, so the program
// asks first and says so plainly.
#include <string>

namespace orbel {

bool HasDisplay();
// Whether the compositor alone places windows (Wayland): a program can neither put its
// window at a place nor learn where it is.
bool CompositorPlacesWindows();
// Whether a watcher of tray items (StatusNotifierWatcher) is on the session bus, the tray of
// current desktops, which Qt then shows the tray icon in.
bool TrayWatcherOnSessionBus();
// On Wayland, ends the process at once with `status`, standard output and error flushed;
// elsewhere does nothing. For the very end of the program, once its windows are gone and its
// settings saved: Qt's teardown of a Wayland connection now and then waits forever (its
// event thread waits on a read that no other thread finishes), and the program would never
// end.
void EndNowOnWayland(int status);
// One plain sentence for a start without a display, pointing at the command line.
std::string NoDisplayMessage();

} // namespace orbel
