#!/bin/sh
# Runs a test program in an X server of its own with a real tray host (trayer). Exits 77,
# which CTest reports as skipped, with the reason on stderr when Xvfb or trayer cannot start.
set -u
program="$1"
shift
for tool in Xvfb trayer; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)" >&2
    exit 77
  fi
done
work=$(mktemp -d)
cleanup() {
  [ -n "${tray_pid:-}" ] && kill "$tray_pid" 2>/dev/null
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# Xvfb picks a free display number and writes it to the descriptor.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
x_pid=$!
i=0
while [ ! -s "$work/display" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
if [ ! -s "$work/display" ]; then
  echo "SKIPPED: the X server (Xvfb) did not start: $(cat "$work/xvfb.log")" >&2
  exit 77
fi
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
trayer --edge top --align right --widthtype request --height 24 --transparent false \
  --tint 0xdddddd >"$work/trayer.log" 2>&1 &
tray_pid=$!
sleep 0.5
if ! kill -0 "$tray_pid" 2>/dev/null; then
  echo "SKIPPED: the tray host (trayer) did not start: $(cat "$work/trayer.log")" >&2
  exit 77
fi
QT_QPA_PLATFORM=xcb "$program" "$@"
