#!/usr/bin/env bash
# The file readers' fuzzers, built with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/:
#   scripts/fuzz.sh                  builds them and lists them
#   scripts/fuzz.sh TARGET [RUNS]    runs one (e.g. numbrela_fuzz_BetFileFuzz) RUNS times
#                                    (1,000,000 unless given)
#   scripts/fuzz.sh --all SECONDS    runs each in turn for SECONDS (the test run's short pass)
# Each fuzzer starts from its seed corpus kept in the repository,
# <program>/tests/fuzz/corpus/<name>/, and writes what it finds new into
# build-fuzz/corpus/<target>/; `scripts/fuzz.sh --merge TARGET` folds those findings, reduced
# to the inputs that add coverage, back into the kept corpus. A crash leaves its input in
# build-fuzz/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null && [ -n "$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a | grep /)" ] ||
  { echo "fuzz.sh: needs clang and libFuzzer (apt-get install clang libclang-rt-14-dev)" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDEBUG_INFO=lines -DCORE_ONLY=ON -DSANITIZE=ON -DFUZZ=ON -DBUILD_BENCHMARKS=OFF >/dev/null
targets=()
for src in numbrela/tests/fuzz/*.cpp orbel/tests/fuzz/*.cpp; do
  name=$(basename "$src" .cpp)
  targets+=("${src%%/*}_fuzz_$name")
done
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}" >/dev/null

kept_corpus() { # target -> the repository's corpus folder
  local program=${1%%_fuzz_*} name=${1#*_fuzz_}
  echo "$program/tests/fuzz/corpus/$name"
}
run() { # target, then libFuzzer's options
  local target=$1; shift
  local kept found
  kept=$(kept_corpus "$target")
  found=build-fuzz/corpus/$target
  mkdir -p "$kept" "$found"
  (cd build-fuzz && ASAN_OPTIONS=detect_leaks=1 "./fuzz/$target" -max_len=65536 \
    -print_final_stats=1 "$@" "../$found" "../$kept")
}

case "${1:-}" in
"") ls build-fuzz/fuzz ;;
--all)
  seconds=${2:-5}
  for f in build-fuzz/fuzz/*; do
    target=$(basename "$f")
    log=build-fuzz/$target.log
    if run "$target" -max_total_time="$seconds" >"$log" 2>&1; then
      echo "fuzz: $target, $seconds s: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$') runs, no fault"
    else
      cat "$log" >&2
      echo "fuzz: $target FAILED" >&2
      exit 1
    fi
  done
  ;;
--merge)
  target=$2
  kept=$(kept_corpus "$target")
  mkdir -p "$kept"
  (cd build-fuzz && "./fuzz/$target" -merge=1 -max_len=65536 "../$kept" "corpus/$target")
  ;;
*) run "$1" -runs="${2:-1000000}" ;;
esac
