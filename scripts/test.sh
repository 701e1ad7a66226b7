#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
# The benchmarks are built by scripts/bench.sh only.
"$root/scripts/build.sh" -DTSPX_WERROR=ON -DTSPX_BUILD_BENCH=OFF "$@"
source "$root/scripts/build-options.sh"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(test_jobs)"
