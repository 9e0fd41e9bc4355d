#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: the normal
# build (the programs' command-line actions, the Debian packages unpacked and run),
# everything again under AddressSanitizer and UndefinedBehaviorSanitizer (core and
# window tests, windows on Qt's offscreen platform, every file reader's fuzzer for a few
# seconds over its corpus), and a short robustness run of each program's windows.
# Neither build carries full debug information (the sanitizer build keeps line tables for
# its reports) nor the benchmarks, which this run does not run; ccache is used when it is
# installed.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
# Formatting of the C++ sources (scripts/check-format.sh), first since it takes seconds;
# CHECK_FORMAT=off skips it.
if [ "${CHECK_FORMAT:-on}" = on ]; then scripts/check-format.sh; fi
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# Each test is built and run once: the core and window tests in the sanitizer build below
# (SANITIZED=core builds and runs the window tests here instead); this build runs the
# programs, their command-line actions and the packages.
window_tests=OFF
if [ "${SANITIZED:-all}" = core ]; then window_tests=ON; fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEBUG_INFO=none \
  -DBUILD_BENCHMARKS=OFF -DCORE_TESTS=OFF -DWINDOW_TESTS=$window_tests >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" -LE "^(flujo|flow)$"
# The flow scenarios drive the real programs in X servers of their own beside a window
# manager, whose timing the loaded machine can upset: a scenario that fails is run once more,
# and its first failure stays in the output to be looked at. They spend most of their time
# waiting on timers and windows, so twice as many run at once as there are processors.
ctest --test-dir build --output-on-failure -j "$((jobs * 2))" -L "^(flujo|flow)$" --repeat until-pass:2

# Everything again under the sanitizers, the window tests and every file reader's fuzzer
# (its kept corpus, then FUZZ_SECONDS of random changes) included; SANITIZED=core keeps this
# build to the core and its tests.
core_only=OFF
if [ "${SANITIZED:-all}" = core ]; then core_only=ON; fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORE_ONLY=$core_only -DSANITIZE=ON \
  -DBUILD_BENCHMARKS=OFF -DDEBUG_INFO=lines -DFUZZ_SECONDS="${FUZZ_SECONDS:-3}" >/dev/null
cmake --build build-asan -j "$jobs"
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# A short robustness run of each program's windows in the sanitizer build: a bounded number
# of random clicks and keys with a fixed seed (ROBUSTNESS_EVENTS, 0 skips it).
if [ "$core_only" = OFF ] && [ "${ROBUSTNESS_EVENTS:-300}" != 0 ]; then
  # Both programs at once, each in its own display; either one's failure fails the run.
  runs=()
  for program in numbrela orbel; do
    scripts/robustness-run.sh "build-asan/$program-bin/$program" "${ROBUSTNESS_EVENTS:-300}" 60 1 &
    runs+=($!)
  done
  for run in "${runs[@]}"; do wait "$run"; done
fi
