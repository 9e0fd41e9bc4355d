#!/usr/bin/env bash
# Installs what is missing, builds, and starts the planner; "./run.sh orbel" starts the
# world clock instead. Further arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
program=numbrela
if [ "${1:-}" = "orbel" ] || [ "${1:-}" = "numbrela" ]; then program=$1; shift; fi
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target "$program"
exe="build/$program-bin/$program"
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display here, so $program cannot open its window; run \"$exe --help\" for its command-line actions." >&2
  exit 1
fi
exec "$exe" "$@"
