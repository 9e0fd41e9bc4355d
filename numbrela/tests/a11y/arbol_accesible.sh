#!/usr/bin/env bash
# The main window as a screen reader sees it: arbol_accesible.py starts the planner and reads
# its tree over AT-SPI, on the private X server, session bus and accessibility bus of the
# flow runner (no window manager is needed). Exit 77 (skipped, with the reason) where any of
# that cannot start.
# Usage: arbol_accesible.sh PROGRAM
aqui=$(cd "$(dirname "$0")" && pwd)
WM=0 exec timeout 150 "$aqui/../../../scripts/flows/run-flow.sh" "$aqui/arbol_accesible.py" "$1"
