#!/usr/bin/env bash
# Builds the fuzzers with clang, AddressSanitizer and UndefinedBehaviorSanitizer and runs
# one of them:  scripts/fuzz.sh TARGET [RUNS]   (TARGET as in build-fuzz/fuzz/, e.g.
# numbrela_fuzz_BetFileFuzz). Without TARGET it only builds and lists them.
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORE_ONLY=ON -DSANITIZE=ON -DFUZZ=ON -DBUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" >/dev/null
if [ $# -eq 0 ]; then ls build-fuzz/fuzz; exit 0; fi
target=$1; runs=${2:-1000000}
corpus=build-fuzz/corpus/$target
mkdir -p "$corpus"
"build-fuzz/fuzz/$target" -runs="$runs" -max_len=65536 -print_final_stats=1 "$corpus"
