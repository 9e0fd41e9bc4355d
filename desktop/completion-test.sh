#!/usr/bin/env bash
# Sources each program's bash completion and completes a few command lines as bash would
# on Tab: options, choices, zone names from the program itself, and bet files by their
# extension in either case. Usage: completion-test.sh ORBEL_EXECUTABLE
set -u
here=$(cd "$(dirname "$0")" && pwd)
orbel=$1
failures=0
# shellcheck source=/dev/null
source "$here/completion/orbel"
# shellcheck source=/dev/null
source "$here/completion/numbrela"

# complete FUNCTION EXPECTED WORD...: completes the last word; EXPECTED is the sorted,
# space-separated list of offers.
complete_line()
{
    local fn=$1 expected=$2
    shift 2
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    "$fn"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ')
    got=${got% }
    if [ "$got" != "$expected" ]; then
        echo "FAIL: ${COMP_WORDS[*]} -> '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
}

complete_line _orbel "--mode" "$orbel" --mo
complete_line _orbel "--time --timeout" "$orbel" --ti
complete_line _orbel "merge" "$orbel" --zones --mode m
complete_line _orbel "full" "$orbel" --adjust f
# Zone names come from the program named on the line.
complete_line _orbel "Europe/Madrid" "$orbel" --time Europe/Madr
complete_line _orbel "America/Santiago" "$orbel" --time America/Santi
complete_line _orbel "" "$orbel" --at ""

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/semana"
touch "$dir/a.apu" "$dir/B.APU" "$dir/notas.txt" "$dir/salida.pdf"
# A bet file: .apu in either case and folders, nothing else.
complete_line _numbrela "$dir/B.APU $dir/a.apu $dir/semana" numbrela "$dir/"
complete_line _numbrela "$dir/B.APU $dir/a.apu $dir/semana" numbrela --check "$dir/"
complete_line _numbrela "$dir/salida.pdf $dir/semana" numbrela --print-slips x.apu --pdf "$dir/"
complete_line _numbrela "$dir/semana" numbrela --data-dir "$dir/"
complete_line _numbrela "3 4 5" numbrela --reduce 1,2,3,4,5,6,7 --al ""
complete_line _numbrela "--print-slips" numbrela --print-s
complete_line _numbrela "" numbrela --draw ""

if [ "$failures" -ne 0 ]; then
    echo "$failures completion(s) wrong"
    exit 1
fi
echo "all completions right"
