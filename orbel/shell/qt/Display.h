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
// One plain sentence for a start without a display, pointing at the command line.
std::string NoDisplayMessage();

} // namespace orbel
