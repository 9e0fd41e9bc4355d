#!/usr/bin/env bash
# Checks that every tracked C++ source is formatted as .clang-format says, changing
# nothing: lists the files that differ and fails if there is one. Run
# "clang-format -i FILE" on each file it names to fix it.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed (scripts/install-deps.sh installs it)." >&2
  exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  # A copy without git history: the same files, found on disk.
  mapfile -t files < <(find numbrela orbel cmake -name '*.cpp' -o -name '*.h' | sort)
fi
# One clang-format for every file; each difference is reported as "FILE:LINE:COL: error:".
report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1) && status=0 || status=$?
if [ "$status" -ne 0 ]; then
  mapfile -t bad < <(grep -o '^[^:]*:[0-9]*:[0-9]*: error' <<<"$report" | cut -d: -f1 | sort -u)
  if [ ${#bad[@]} -eq 0 ]; then
    echo "$report" >&2
    exit "$status"
  fi
  echo "Not formatted as .clang-format says (${#bad[@]} of ${#files[@]} files):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "Formatting: all ${#files[@]} C++ files as .clang-format says."
