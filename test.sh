#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: the normal
# build (core and window tests, windows on Qt's offscreen platform), then everything again
# under AddressSanitizer and UndefinedBehaviorSanitizer (core and window tests).
# Neither build carries full debug information (the sanitizer build keeps line tables for
# its reports), which keeps the compile short; ccache is used when it is installed.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
# Formatting of the C++ sources (scripts/check-format.sh), first since it takes seconds;
# CHECK_FORMAT=off skips it.
if [ "${CHECK_FORMAT:-on}" = on ]; then scripts/check-format.sh; fi
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEBUG_INFO=none >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The windows are built again too and their tests run under the sanitizers;
# SANITIZED=core keeps this build to the core and its tests.
core_only=OFF
if [ "${SANITIZED:-all}" = core ]; then core_only=ON; fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORE_ONLY=$core_only -DSANITIZE=ON \
  -DBUILD_BENCHMARKS=OFF -DDEBUG_INFO=lines >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
