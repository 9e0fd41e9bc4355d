#!/usr/bin/env bash
# The main window as a screen reader sees it: runs the planner in a virtual X server with
# a session bus and the accessibility bus, then reads its tree over AT-SPI
# (arbol_accesible.py). Exit 77 (skipped, with the reason) where any of that cannot start.
# Usage: arbol_accesible.sh PROGRAM
set -u
programa=$1
aqui=$(cd "$(dirname "$0")" && pwd)
salta() { echo "SKIP: $*"; exit 77; }

for h in xvfb-run dbus-run-session dbus-send; do
  command -v "$h" >/dev/null || salta "$h is not installed (scripts/install-deps.sh installs it)"
done
lanzador=""
for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$l" ] && lanzador=$l
done
[ -n "$lanzador" ] || salta "at-spi-bus-launcher not found (package at-spi2-core)"
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || salta "python3-pyatspi is not installed"

export programa aqui lanzador
exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
  "$lanzador" --launch-immediately >/dev/null 2>&1 &
  for i in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1 || { echo "SKIP: the accessibility bus did not start"; exit 77; }
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$programa" >/dev/null 2>&1 &
  pid=$!
  timeout 120 /usr/bin/python3 "$aqui/arbol_accesible.py"
  rc=$?
  kill $pid 2>/dev/null
  exit $rc'
