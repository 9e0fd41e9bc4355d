#!/usr/bin/env bash
# Start-up time of the world clock: from launch until its clock window is mapped, in a real X
# server (Xvfb), seven times, polling every 10 ms, with the settings in a fresh temporary
# folder. Prints the times in milliseconds, sorted.
#   scripts/orbel-start.sh [build/orbel-bin/orbel]
set -eu
program=$(realpath "${1:-build/orbel-bin/orbel}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  for i in 1 2 3 4 5 6 7; do
    t0=$(date +%s%N)
    "$0" --data-dir "$1" >/dev/null 2>&1 & pid=$!
    n=0
    until xdotool search --onlyvisible --name "^Orbel - " >/dev/null 2>&1; do
      sleep 0.01; n=$((n + 1)); [ $n -gt 1000 ] && break
    done
    echo $(( ($(date +%s%N) - t0) / 1000000 ))
    kill $pid; wait $pid 2>/dev/null || true
  done' "$program" "$work" | sort -n | tr "\n" " "
echo
