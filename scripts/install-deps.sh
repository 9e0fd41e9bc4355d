#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev            # Qt 6 Widgets, PrintSupport, Network, DBus, Test
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  tzdata                             # the system time-zone database the world clock reads
  fonts-dejavu-core                  # a font for the offscreen window tests and printing
  ghostscript                        # reads printed PDFs back into pixels in the window tests
  poppler-utils                      # pdftotext reads the printed listing back in the window tests
  cups printer-driver-cups-pdf       # a private print server and PDF queue for the printing tests
  xvfb xauth dbus at-spi2-core python3-pyatspi  # the main window read over the accessibility bus
  trayer xdotool                     # the tray icon test: a tray host and real clicks
  clang-format                       # the formatting check (scripts/check-format.sh)
  desktop-file-utils appstream groff-base libxml2-utils  # validators of desktop/ files
  file                               # CPack finds the executables to ask dpkg-shlibdeps about
  shared-mime-info libglib2.0-bin    # the package test opens a bet file by its MIME type (gio)
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
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
