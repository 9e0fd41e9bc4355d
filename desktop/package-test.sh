#!/usr/bin/env bash
# Builds the Debian packages from a build folder, unpacks them into a temporary root and runs
# both programs from there as an installed user would: --version and one action each, the
# user's own data folder, an unwritable data folder, a delivered file missing, and a bet
# file with a space and an accent opened by its MIME type through `gio open` (skipped where
# gio is not installed).
#   desktop/package-test.sh BUILD_DIR
set -euo pipefail
build=$(readlink -f "$1")
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for name in numbrela orbel; do
  cpack --config "$build/CPackConfig.cmake" -G DEB -D CPACK_COMPONENTS_ALL=$name -B "$tmp/pkg" \
    >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log" >&2; fail "cpack $name"; }
done
root=$tmp/root
for name in numbrela orbel; do
  deb=$(ls "$tmp"/pkg/${name}_*.deb) || fail "no $name package"
  dpkg-deb -x "$deb" "$root"
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "$name depends on: $depends"
  [[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "$name's Depends lacks Qt or libc"
done
[[ $(dpkg-deb -f "$tmp"/pkg/orbel_*.deb Depends) == *tzdata* ]] || fail "orbel does not depend on tzdata"
for f in bin/numbrela bin/orbel share/applications/org.numbrela.Numbrela.desktop \
  share/applications/org.orbel.Orbel.desktop share/mime/packages/numbrela.xml \
  share/metainfo/org.numbrela.Numbrela.metainfo.xml share/man/man1/numbrela.1 \
  share/man/man1/orbel.1 share/icons/hicolor/scalable/apps/org.orbel.Orbel.svg \
  share/bash-completion/completions/numbrela share/bash-completion/completions/orbel \
  share/numbrela/COM49-3.RLV share/numbrela/LUCKY.DAT share/numbrela/fondo3.bmp; do
  [ -e "$root/usr/$f" ] || fail "the packages lack /usr/$f"
done
[ -d "$root/usr/share/orbel" ] || fail "the packages lack /usr/share/orbel"
# Each icon at the theme's fixed sizes, a picture of the size its folder names.
for icon in org.numbrela.Numbrela org.orbel.Orbel; do
  for side in 16 22 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${side}x$side/apps/$icon.png
    [[ $(file -b "$png") == "PNG image data, $side x $side,"* ]] || fail "$png: $(file -b "$png")"
  done
done

# A user of the installed programs: a home of their own, no XDG variables.
home=$tmp/home
mkdir -p "$home"
as_user() { env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" "$@"; }
numbrela=$root/usr/bin/numbrela
orbel=$root/usr/bin/orbel
out=$(as_user "$numbrela" --version) && [ "$out" = "Numbrela Pro 1.36" ] || fail "numbrela --version: $out"
# Each package carries the version its program reports.
for name in numbrela orbel; do
  version=$(dpkg-deb -f "$tmp"/pkg/${name}_*.deb Version)
  reported=$(as_user "$root/usr/bin/$name" --version)
  [[ $reported == *" $version" || $reported == *" v$version" ]] ||
    fail "$name's package is version $version but the program says \"$reported\""
done
out=$(as_user "$orbel" --version) && [ "$out" = "Orbel v3.1" ] || fail "orbel --version: $out"
# The Spanish translation travels inside the program.
out=$(as_user env LANG=es_ES.UTF-8 LC_ALL= LANGUAGE= "$orbel" --help)
[[ $out == *"Uso: orbel [opciones]"* ]] || fail "LANG=es_ES.UTF-8 orbel --help: $out"

# The delivered reduction file is read from share/numbrela through the user's folder, and a
# generated fixed-number system is written there, never into /usr.
out=$(as_user "$numbrela" --reduce 49,2,7,11,19,23,30,36,42 --al 4 2>&1)
[[ $out == *"Apuestas: 3"* ]] || fail "numbrela --reduce: $out"
userdata=$home/.local/share/numbrela
[ -L "$userdata/COM9-4.RLV" ] || fail "no link to the delivered files in $userdata"
as_user "$numbrela" --reduce 1,5,9,12,20,33,41,45,49,2,3,4 --al 5 --fixed 41,9 >/dev/null
ls "$userdata" | grep -qi '\.rlf$' || fail "the generated system is not in $userdata"
! ls "$root/usr/share/numbrela" | grep -qi '\.rlf$' || fail "a generated system was written into /usr"

out=$(as_user "$orbel" --time Europe/Madrid --at 2026-03-29T01:00:00)
[ "$out" = "2026-03-29 03:00:00" ] || fail "orbel --time: $out"
[ -d "$home/.config/orbel" ] || fail "orbel made no folder in ~/.config"

# A data folder that cannot be made: the program says where it tried and still reads.
touch "$tmp/a-file"
out=$(XDG_DATA_HOME=$tmp/a-file HOME=$home "$numbrela" --reduce 49,2,7,11,19,23,30,36,42 --al 4 2>&1)
[[ $out == *"$tmp/a-file/numbrela"* && $out == *"Apuestas: 3"* ]] || fail "unwritable data folder: $out"
out=$(XDG_CONFIG_HOME=$tmp/a-file HOME=$home "$orbel" --time Europe/Madrid --at 2026-07-01T12:00:00 2>&1)
[[ $out == *"$tmp/a-file/orbel"* && $out == *"2026-07-01 14:00:00"* ]] || fail "unwritable config folder: $out"

# A delivered file missing from share/: the program's own message, for a new user and for
# one whose link now points nowhere.
chmod -R u+w "$root/usr/share/numbrela"
rm "$root/usr/share/numbrela/COM10-3.RLV"
for who in "$home" "$tmp/new-home"; do
  mkdir -p "$who"
  out=$(env -u XDG_DATA_HOME HOME="$who" "$numbrela" --reduce 1,2,3,4,5,6,7,8,9,10 --al 3 2>&1) &&
    fail "a missing reduction file was not reported"
  [[ $out == *"falta el archivo COM10-3.RLV"* ]] || fail "missing delivered file: $out"
done

# A bet file with a space and an accent in its path, opened by its MIME type.
betfile="$tmp/Mis apuestas de año.apu"
as_user "$numbrela" --reduce 49,2,7,11,19,23,30,36,42,44,3,15 --al 4 --compact --save "$betfile" >/dev/null
if command -v gio >/dev/null && command -v update-mime-database >/dev/null; then
  xdg=$tmp/xdg
  mkdir -p "$xdg/mime/packages" "$xdg/applications" "$tmp/config"
  cp "$root/usr/share/mime/packages/numbrela.xml" "$xdg/mime/packages/"
  update-mime-database "$xdg/mime"
  # The installed desktop entry, its program replaced by one that records what it is given.
  printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/opened"\n' "$tmp" >"$tmp/record"
  chmod +x "$tmp/record"
  sed "s|^Exec=numbrela |Exec=$tmp/record |" \
    "$root/usr/share/applications/org.numbrela.Numbrela.desktop" \
    >"$xdg/applications/org.numbrela.Numbrela.desktop"
  printf '[Default Applications]\napplication/x-numbrela-apu=org.numbrela.Numbrela.desktop\n' \
    >"$tmp/config/mimeapps.list"
  export XDG_DATA_HOME=$xdg XDG_DATA_DIRS=$xdg XDG_CONFIG_HOME=$tmp/config XDG_CONFIG_DIRS=$tmp/config
  type=$(gio info -a standard::content-type "$betfile" | sed -n 's/^ *standard::content-type: //p')
  [ "$type" = application/x-numbrela-apu ] || fail "the bet file's type is $type"
  gio open "$betfile"
  for _ in $(seq 50); do [ -s "$tmp/opened" ] && break; sleep 0.1; done
  [ "$(cat "$tmp/opened" 2>/dev/null)" = "$betfile" ] || fail "gio open gave: $(cat "$tmp/opened" 2>/dev/null)"
  unset XDG_DATA_HOME XDG_DATA_DIRS XDG_CONFIG_HOME XDG_CONFIG_DIRS
  echo "gio open passed the path as it is: $betfile"
  # The planner reads the file at the path it was given.
  out=$(as_user "$numbrela" --list "$(cat "$tmp/opened")")
  [ -n "$out" ] || fail "numbrela --list read nothing"
else
  echo "gio or update-mime-database is not installed: the MIME open is not checked"
fi
echo "packages unpacked and both programs ran from $root"
