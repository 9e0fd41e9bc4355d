#!/usr/bin/env bash
# Makes the screenshots that the AppStream metadata lists (desktop/screenshots/*.png): each
# program in its own Xvfb screen of the size software centres show (1248 x 702), with a
# window manager, driven by keys as a user would, the whole screen captured. The pictures
# are committed; run this again when a window changes and commit what it writes.
#   scripts/make-screenshots.sh [BUILD_DIR] [OUT_DIR]
# Needs Xvfb, openbox, xdotool and ImageMagick's import.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
out=$(realpath -m "${2:-$root/desktop/screenshots}")
size=1248x702
for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shoot NAME "STEPS" COMMAND...: starts COMMAND on a fresh screen, plays the steps (xdotool
# commands separated by ";", such as "key o" or "type Tokyo"; "sleep N" waits) and saves
# the screen as NAME.png.
shoot()
{
  local name=$1 keys=$2
  shift 2
  local display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  # A desktop's plain background rather than black.
  DISPLAY=$display display -window root -size "$size" xc:'#35556e' >/dev/null 2>&1 || true
  DISPLAY=$display openbox >/dev/null 2>&1 &
  local wm=$!
  sleep 1
  DISPLAY=$display "$@" >"$work/$name.log" 2>&1 &
  local program=$!
  sleep 3
  local step
  IFS=';' read -ra steps -d '' <<<"$keys" || true
  for step in "${steps[@]}"; do
    step=${step#"${step%%[![:space:]]*}"}
    step=${step%"${step##*[![:space:]]}"}
    case $step in
      sleep*) eval "$step" ;;
      ?*) eval "DISPLAY=$display xdotool $step"; sleep 0.5 ;;
    esac
  done
  sleep 1
  DISPLAY=$display import -window root "$out/$name.png"
  # The program first, so that it ends as on SIGTERM (the world clock saves its settings).
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  kill "$wm" "$xvfb" 2>/dev/null || true
  wait "$wm" "$xvfb" 2>/dev/null || true
  echo "$out/$name.png"
}

orbel=$build/orbel-bin/orbel
numbrela=$build/numbrela-bin/numbrela
export TZ=Europe/Madrid QT_QPA_PLATFORM=xcb

# The world clock in a folder of its own (its settings are made on the first start):
# the options sheet over the clocks, Convert, and the Adjust Time page in Spanish.
mkdir -p "$work/orbel"
# The clocks become Madrid and Tehran, typed into the Clocks page as a user would; the
# clock window is made wider for their names and the sheet moved beside it.
LANG=en_US.UTF-8 shoot orbel-clocks "key o; sleep 1; key alt+k; key End; key alt+t; key ctrl+a;
  type Tehran; key alt+z; type --delay 0 '(UTC+03:30)'; key alt+a; sleep 1;
  key alt+k; key Home; key alt+t; key ctrl+a; type Madrid; key alt+a; sleep 1;
  key alt+k; key End; search --name '^Options$' windowmove %@ 600 140;
  search --name '^Orbel - ' windowsize %@ 460 130 windowmove %@ 90 180" \
  "$orbel" --data-dir "$work/orbel"
LANG=en_US.UTF-8 shoot orbel-convert "key n" "$orbel" --data-dir "$work/orbel"
LANG=es_ES.UTF-8 shoot orbel-adjust-time-es "key o; key ctrl+Tab; key ctrl+Tab; key ctrl+Tab" \
  "$orbel" --data-dir "$work/orbel"

# The planner with a reduced system of twelve numbers, past its first activation (the
# about picture and the user dialog), and its kind dialog.
cp -r "$build/numbrela-bin/." "$work/numbrela"
bets=$work/reducida.apu
"$work/numbrela/numbrela" --data-dir "$work/numbrela" \
  --reduce 3,7,11,15,19,23,28,31,36,40,44,49 --al 4 --compact --save "$bets" >/dev/null
LANG=es_ES.UTF-8 shoot numbrela-slip "key Return; sleep 1; key Escape" \
  "$work/numbrela/numbrela" --data-dir "$work/numbrela" "$bets"
LANG=es_ES.UTF-8 shoot numbrela-kind "key Return; sleep 1; key Escape; key t" \
  "$work/numbrela/numbrela" --data-dir "$work/numbrela" "$bets"
