#!/usr/bin/env bash
# Start-up time of the planner: from launch until its main window is mapped, in a real X
# server (Xvfb), seven times, polling every 10 ms. Prints the times in milliseconds, sorted.
#   scripts/numbrela-arranque.sh [build/numbrela-bin/numbrela]
set -eu
programa=$(realpath "${1:-build/numbrela-bin/numbrela}")
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  for i in 1 2 3 4 5 6 7; do
    t0=$(date +%s%N)
    "$0" >/dev/null 2>&1 & pid=$!
    n=0
    until xdotool search --onlyvisible --name "Numbrela Pro 1.36" >/dev/null 2>&1; do
      sleep 0.01; n=$((n + 1)); [ $n -gt 1000 ] && break
    done
    echo $(( ($(date +%s%N) - t0) / 1000000 ))
    kill $pid; wait $pid 2>/dev/null || true
  done' "$programa" | sort -n | tr "\n" " "
echo
