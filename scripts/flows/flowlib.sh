# Steps shared by the flow runners (run-flow.sh, run-wayland.sh), sourced by them and by the
# script each runs inside its private session bus. `work` is the runner's scratch folder.

skip() { echo "SKIP: $*"; exit 77; }

# Sets `launcher` to the accessibility bus's launcher, or skips.
find_at_spi_launcher() {
  launcher=""
  local l
  for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$l" ] && launcher=$l
  done
  [ -n "$launcher" ] || skip "at-spi-bus-launcher not found (package at-spi2-core)"
}

# Starts a display of our own of the given size ("1280x800") and exports DISPLAY; sets
# xvfb_pid. Xvfb picks a free number and writes it on the descriptor, so runs go side by
# side without racing for a number; one that cannot start skips at once. -noreset: by
# default the server starts over whenever its last client leaves, and a client connecting
# meanwhile (the window manager after a short-lived probe) is refused.
start_xvfb() {
  local display_fd display_number="" i
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 "$1x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for i in $(seq 200); do
    read -r -t 0.1 -u "$display_fd" display_number && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
  done
  [ -n "$display_number" ] || skip "Xvfb did not start: $(tail -n 1 "$work/xvfb.log")"
  export DISPLAY=":$display_number"
}

# Runs a command up to fifty times a tenth of a second apart until it succeeds.
until_ok() {
  local i
  for i in $(seq 50); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Inside the private session bus: starts the accessibility bus and waits until it answers.
start_a11y_bus() {
  "$launcher" --launch-immediately >/dev/null 2>&1 &
  until_ok dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress || skip "the accessibility bus did not start"
}
