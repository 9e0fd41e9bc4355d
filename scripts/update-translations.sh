#!/usr/bin/env bash
# Collects the world clock's texts into its translation files (orbel/translations/*.ts, or
# the .ts files given as arguments):
# new texts are added as unfinished, texts no longer in the sources are dropped, and what
# is already translated stays. Run it after adding or changing a text, then translate the
# new entries (Qt Linguist, or by hand in the .ts file); the build compiles the files
# into the program, and the test orbel_translations_complete fails while one is unfinished.
#
# What is collected: the windows' tr() and QT_TRANSLATE_NOOP, and in the rules (which do
# not include Qt) Tr("Context", "text") and ORBEL_TEXT("Context", "text").
set -euo pipefail
for ts in "$@"; do [[ $ts == /* ]] || { echo "$ts: give an absolute path" >&2; exit 2; }; done
cd "$(dirname "$0")/.."
# Qt 6's own (a plain "lupdate" may be Qt 5's).
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate || true)
if [ -z "$lupdate" ]; then
  echo "lupdate is not installed (scripts/install-deps.sh installs qt6-l10n-tools)." >&2
  exit 1
fi
sources=(orbel/app orbel/clocks orbel/help orbel/options orbel/planner orbel/settings
         orbel/shell orbel/sun orbel/sync orbel/widgets orbel/zones)
if [ $# -gt 0 ]; then
  files=("$@")
else
  files=(orbel/translations/orbel_*.ts)
fi
for ts in "${files[@]}"; do
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
    -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=ORBEL_TEXT -I orbel \
    "${sources[@]}" -ts "$ts"
done
