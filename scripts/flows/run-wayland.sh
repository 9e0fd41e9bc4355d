#!/usr/bin/env bash
# Runs one flow scenario (a Python file using flowkit.py and flowkit_wayland.py) against a
# program's own executable on Wayland: weston, the reference compositor, with a private
# socket in a private runtime folder, a private session bus with the accessibility bus, and
# a tray watcher and host speaking StatusNotifierItem when SNI=1. The program connects to
# weston alone (no X display); weston draws into an Xvfb of its own, whose keyboard and
# pointer (driven by xdotool) are weston's seat: its headless output has no seat, and
# without one no key, click or move request can reach a program.
# Usage: run-wayland.sh SCENARIO.py PROGRAM [ARGS...]
# Exit status: the scenario's (0 pass, 1 fail), 77 skipped with a one-line reason when
# weston, the X server, the buses or a tool cannot start here.
set -u
scenario=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
. "$here/flowlib.sh"

py=/usr/bin/python3
for t in Xvfb weston dbus-run-session dbus-send xdotool; do
  command -v "$t" >/dev/null || skip "$t is not installed (scripts/install-deps.sh installs it)"
done
find_at_spi_launcher
"$py" -c "import pyatspi, Xlib, gi" 2>/dev/null ||
  skip "python3-pyatspi, python3-xlib or python3-gi is not installed"
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
  skip "Qt's Wayland platform is not installed (package qt6-wayland)"

work=$(mktemp -d /tmp/wayland-run-XXXXXX)
xvfb_pid=
weston_pid=
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A strip of the X screen lies outside weston's window: the pointer goes there and comes back
# to be placed exactly (weston follows the X pointer by its steps inside its window).
start_xvfb 1300x820

# weston's own runtime folder holds its socket; the program is given the socket's full path.
# Its log holds every request of every client ("proto"): a scenario reads what reached it.
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" weston --backend=x11-backend.so --use-pixman --no-config \
  --width=1280 --height=800 --idle-time=0 --socket=wayland-flow --log="$work/weston.log" \
  --logger-scopes=log,proto >"$work/weston.out" 2>&1 &
weston_pid=$!
for i in $(seq 100); do
  [ -S "$work/runtime/wayland-flow" ] && grep -q "weston-desktop-shell" "$work/weston.log" 2>/dev/null && break
  kill -0 $weston_pid 2>/dev/null || break
  sleep 0.1
done
[ -S "$work/runtime/wayland-flow" ] ||
  skip "weston did not start: $(cat "$work/weston.log" "$work/weston.out" 2>/dev/null | grep -v '^\s' | tail -n 1)"
export WAYLAND_DISPLAY="$work/runtime/wayland-flow" WESTON_LOG="$work/weston.log"
export FLOW_PLATFORM=wayland

export launcher here scenario py work
dbus-run-session -- bash -c '
  . "$here/flowlib.sh"
  start_a11y_bus
  if [ "${SNI:-0}" = 1 ]; then
    # The tray of current desktops: a watcher and host on the session bus, up once it
    # owns the watcher name.
    "$py" "$here/sni_watcher.py" >"$work/watcher.log" 2>&1 &
    until_ok dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.GetNameOwner string:org.kde.StatusNotifierWatcher ||
      skip "the tray watcher did not start: $(tail -n 1 "$work/watcher.log")"
  fi
  PYTHONDONTWRITEBYTECODE=1 PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}" "$py" "$scenario" "$@" 2>&1' run-wayland "$@" \
  2>"$work/dbus.log"
