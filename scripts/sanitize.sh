#!/usr/bin/env bash
# Builds everything (tool, simulated gauge, tests, fuzz targets) with clang's
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (or
# $ASAN_BUILD_DIR) and runs the whole test suite there. Any finding fails the
# run. --configure-only stops after configuring (scripts/fuzz.sh uses it),
# --build-only after the build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ASAN_BUILD_DIR:-$root/build-asan}"
"$root/scripts/install-deps.sh"
source "$root/scripts/build-options.sh"

# One build serves both the tests and the fuzzers: with TSPX_FUZZ the libraries
# the fuzz targets reach also get libFuzzer's coverage (tests/fuzz/).
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
flags+=" -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" $(new_folder_options "$build") \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
    -DTSPX_WERROR=ON -DTSPX_FUZZ=ON -DTSPX_BUILD_BENCH=OFF -DTSPX_PACKAGE_TEST=OFF >/dev/null
[ "${1:-}" = --configure-only ] && exit 0
cmake --build "$build" -j "$(nproc)"
[ "${1:-}" = --build-only ] && exit 0

source "$root/scripts/sanitizer-options.sh"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(test_jobs)"
