#!/usr/bin/env bash
# Runs one flow scenario (a Python file using flowkit.py) against a program's own executable
# in a private X server with a window manager, a private session bus with the accessibility
# bus, and a tray host when TRAY=1 (WM=0 leaves the window manager out).
# Usage: run-flow.sh SCENARIO.py PROGRAM [ARGS...]
# Exit status: the scenario's (0 pass, 1 fail), 77 skipped with a one-line reason when the
# X server, the buses or a tool cannot start here.
set -u
scenario=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
. "$here/flowlib.sh"

py=/usr/bin/python3
for t in Xvfb dbus-run-session dbus-send xdotool; do
  command -v "$t" >/dev/null || skip "$t is not installed (scripts/install-deps.sh installs it)"
done
find_at_spi_launcher
"$py" -c "import pyatspi, Xlib" 2>/dev/null || skip "python3-pyatspi or python3-xlib is not installed"
wm=${WM:-1}
[ "$wm" = 1 ] && ! command -v openbox >/dev/null && skip "openbox is not installed"
[ "${TRAY:-0}" = 1 ] && ! command -v trayer >/dev/null && skip "trayer is not installed"

work=$(mktemp -d /tmp/flow-run-XXXXXX)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb 1280x800
unset WAYLAND_DISPLAY

export launcher here scenario py wm work
dbus-run-session -- bash -c '
  . "$here/flowlib.sh"
  start_a11y_bus
  if [ "$wm" = 1 ]; then
    # The manager is up once it lists what it supports on the root window; one that could
    # not start is started again. Its own messages (a missing Debian menu file) stay in its log.
    for try in 1 2 3; do
      openbox --sm-disable >"$work/openbox.log" 2>&1 &
      wm_pid=$!
      for i in $(seq 50); do
        xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && break 2
        kill -0 $wm_pid 2>/dev/null || break
        sleep 0.1
      done
    done
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW ||
      { echo "SKIP: the window manager did not start: $(tail -n 1 "$work/openbox.log")"; exit 77; }
  fi
  if [ "${TRAY:-0}" = 1 ]; then
    # The tray host is up once it owns the tray selection of screen 0.
    for try in 1 2 3; do
      trayer --edge top --align right --widthtype pixel --width 120 --height 24 \
        >"$work/trayer.log" 2>&1 &
      tray_pid=$!
      for i in $(seq 50); do
        "$py" -c "import Xlib.display as x, sys; d = x.Display()
sys.exit(d.get_selection_owner(d.intern_atom(\"_NET_SYSTEM_TRAY_S0\")) == 0)" 2>/dev/null && break 2
        kill -0 $tray_pid 2>/dev/null || break
        sleep 0.1
      done
    done
    kill -0 $tray_pid 2>/dev/null ||
      { echo "SKIP: the tray host did not start: $(tail -n 1 "$work/trayer.log")"; exit 77; }
  fi
  PYTHONDONTWRITEBYTECODE=1 PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}" "$py" "$scenario" "$@" 2>&1' run-flow "$@" \
  2>"$work/dbus.log"
