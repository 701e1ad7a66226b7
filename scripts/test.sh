#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
# The benchmarks are built by scripts/bench.sh only.
"$root/scripts/build.sh" -DTSPX_WERROR=ON -DTSPX_BUILD_BENCH=OFF "$@"
source "$root/scripts/build-options.sh"
# One throwaway PostgreSQL server for the archive's server tests, stopped
# whatever the tests do.
if server="$("$root/scripts/test-server.sh" start)"; then
  read -r TSPX_TEST_PGHOST TSPX_TEST_PGPORT <<<"$server"
  export TSPX_TEST_PGHOST TSPX_TEST_PGPORT
  trap '"$root/scripts/test-server.sh" stop "$TSPX_TEST_PGHOST"' EXIT
fi
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(test_jobs)"
