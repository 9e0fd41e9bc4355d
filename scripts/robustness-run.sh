#!/usr/bin/env bash
# Robustness run: starts a program in its own Xvfb and sends it random clicks and keys,
# then checks that it still runs, still answers and reported nothing.
#
#   scripts/robustness-run.sh PROGRAM [EVENTS [SECONDS [SEED]]]
#
# PROGRAM is the executable (build-asan/numbrela-bin/numbrela for the sanitizer build);
# EVENTS (default 2000) and SECONDS (default 120) bound the run, whichever comes first;
# SEED (default 1) fixes the sequence, so a failure is replayed by running it again with
# the same four arguments. The program works on a copy of its folder, with a temporary
# home, so nothing it writes lands in the build tree or in the user's files; it runs
# without the right to set the computer's clock. Prints the figures and fails on a crash,
# a hang, or any sanitizer or Qt fatal report.
set -euo pipefail
program=$(readlink -f "$1")
events=${2:-2000}
seconds=${3:-120}
seed=${4:-1}
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "robustness run: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
# Ends the program and waits for it: a program ended by SIGTERM saves its settings on the
# way out, and removing the folder while it writes there fails. Nothing here changes the
# run's exit status.
finish() {
  if [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null; then
    for _ in $(seq 50); do
      kill -0 "$program_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work" 2>/dev/null || { sleep 1; rm -rf "$work" 2>/dev/null; } || true
}
trap finish EXIT

# The program's folder without the executable: its data files, read and written there.
mkdir -p "$work/data" "$work/home"
find "$(dirname "$program")" -maxdepth 1 -type f ! -name "$(basename "$program")" \
  -exec cp {} "$work/data/" \;

# A display of our own: Xvfb picks a free number and writes it on the descriptor.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 -u "$display_fd" display_number
export DISPLAY=":$display_number"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Without CAP_SYS_TIME in its bounding set the world clock cannot set this machine's clock,
# whatever a random click asks for.
drop_clock=()
if command -v setpriv >/dev/null && [ "$(id -u)" -eq 0 ]; then
  drop_clock=(setpriv --bounding-set -sys_time --)
fi
start_program() {
  (cd "$work/home" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
    exec "${drop_clock[@]}" "$program" --data-dir "$work/data") >>"$work/out.log" 2>&1 &
  program_pid=$!
  # Wait for its first window.
  for _ in $(seq 100); do
    xdotool search --onlyvisible --pid "$program_pid" >/dev/null 2>&1 && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
  done
}
start_program
starts=1
failed=0

keys=(Return Escape Tab space BackSpace Delete Up Down Left Right Home End Prior Next
  0 1 2 3 4 5 6 7 8 9 a b c n s x F1 F2 F3 alt+a ctrl+z shift+Tab)
RANDOM=$seed
sent=0
start=$(date +%s)
while [ "$sent" -lt "$events" ] && [ $(($(date +%s) - start)) -lt "$seconds" ]; do
  if ! kill -0 "$program_pid" 2>/dev/null; then
    # Ending with status 0 is a user's "exit" reached by random keys: start it again.
    wait "$program_pid" && status=0 || status=$?
    if [ "$status" -ne 0 ]; then
      echo "robustness run: $(basename "$program") ended with status $status after $sent events" >&2
      program_pid=
      failed=1
      break
    fi
    start_program
    starts=$((starts + 1))
  fi
  # The topmost visible window of the program: a dialog when one is open.
  window=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | tail -n 1) || true
  [ -n "$window" ] || { sleep 0.1; continue; }
  if [ $((RANDOM % 3)) -eq 0 ]; then
    xdotool key --window "$window" "${keys[RANDOM % ${#keys[@]}]}" 2>/dev/null || true
  else
    read -r width height < <(xdotool getwindowgeometry --shell "$window" 2>/dev/null |
      awk -F= '/WIDTH/{w=$2} /HEIGHT/{h=$2} END{print w+0, h+0}') || true
    if [ "${width:-0}" -gt 0 ] && [ "${height:-0}" -gt 0 ]; then
      xdotool mousemove --window "$window" $((RANDOM % width)) $((RANDOM % height)) \
        click $((RANDOM % 8 == 0 ? 3 : 1)) 2>/dev/null || true
    fi
  fi
  sent=$((sent + 1))
done
elapsed=$(($(date +%s) - start))
sleep 1

if [ "$failed" -eq 0 ]; then
  # Still running and answering: the X server still lists its windows and it is idle.
  if ! kill -0 "$program_pid" 2>/dev/null; then
    wait "$program_pid" && status=0 || status=$?
    [ "$status" -eq 0 ] || { echo "robustness run: ended with status $status" >&2; failed=1; }
  elif ! xdotool search --onlyvisible --pid "$program_pid" >/dev/null 2>&1; then
    echo "robustness run: $(basename "$program") shows no window any more" >&2
    failed=1
  else
    ticks() { awk '{print $14 + $15}' "/proc/$program_pid/stat"; }
    before=$(ticks); sleep 2; after=$(ticks)
    if [ $((after - before)) -gt 150 ]; then
      echo "robustness run: $(basename "$program") is still busy after the events (a hang?)" >&2
      failed=1
    fi
  fi
fi
if grep -E -q 'AddressSanitizer|LeakSanitizer|runtime error:|QFATAL|Segmentation' "$work/out.log"; then
  echo "robustness run: $(basename "$program") reported:" >&2
  cat "$work/out.log" >&2
  failed=1
fi
echo "robustness run: $(basename "$program"), seed $seed: $sent events in $elapsed s, $starts start(s), $([ $failed -eq 0 ] && echo "no fault" || echo "FAILED")"
exit "$failed"
