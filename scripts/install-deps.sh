#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev            # Qt 6 Widgets, PrintSupport, Network, DBus, Test
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  tzdata                             # the system time-zone database the world clock reads
  libnova-dev                        # the sun's position for the world clock's day and night
  fonts-dejavu-core                  # a font for the offscreen window tests and printing
  ghostscript                        # reads printed PDFs back into pixels in the window tests
  poppler-utils                      # pdftotext reads the printed listing back in the window tests
  cups printer-driver-cups-pdf       # a private print server and PDF queue for the printing tests
  libcups2-dev                       # "Abortar" cancels the jobs a CUPS queue still holds
  xvfb xauth dbus at-spi2-core python3-pyatspi  # the main window read over the accessibility bus
  trayer xdotool                     # the tray icon test: a tray host and real clicks
  openbox python3-xlib x11-utils     # the flow scenarios: a window manager, windows read by title, xprop
  qt6-wayland weston python3-gi      # the flows on Wayland (weston), the tray watcher on the session bus
  clang-format                       # the formatting check (scripts/check-format.sh)
  desktop-file-utils appstream groff-base libxml2-utils  # validators of desktop/ files
  qt6-l10n-tools                     # lupdate and lrelease: the world clock's Spanish texts
  file                               # CPack finds the executables to ask dpkg-shlibdeps about
  shared-mime-info libglib2.0-bin    # the package test opens a bet file by its MIME type (gio)
  chrony libcap2-bin                 # a real NTP server on loopback; capsh drops the clock right
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # chrony's package starts its time service, which would steer this machine's clock; the
  # tests start chronyd themselves. A policy that refuses every service start covers the
  # installation (an existing policy is left as it is).
  policy=/usr/sbin/policy-rc.d
  own_policy=0
  if [ ! -e "$policy" ]; then
    printf '#!/bin/sh\nexit 101\n' >"$policy"
    chmod 755 "$policy"
    own_policy=1
  fi
  status=0
  apt-get install -y -q --no-install-recommends "${missing[@]}" || status=$?
  if [ "$own_policy" -eq 1 ]; then rm -f "$policy"; fi
  [ "$status" -eq 0 ] || exit "$status"
fi
# Whatever installed it, chrony's service stays off: under systemd it is disabled and
# stopped, elsewhere its start-up links are removed and a running daemon is stopped.
if dpkg-query -W -f='${Status}' chrony 2>/dev/null | grep -q "install ok installed" &&
  [ "$(id -u)" -eq 0 ]; then
  if [ -d /run/systemd/system ]; then
    systemctl disable --now chrony.service >/dev/null 2>&1 || true
  else
    # Off for a later boot too, whichever init system it is.
    if command -v systemctl >/dev/null; then systemctl disable chrony.service >/dev/null 2>&1 || true; fi
    update-rc.d chrony disable >/dev/null 2>&1 || true
    if [ -r /run/chrony/chronyd.pid ] && kill -0 "$(cat /run/chrony/chronyd.pid)" 2>/dev/null; then
      kill "$(cat /run/chrony/chronyd.pid)"
    fi
  fi
fi
