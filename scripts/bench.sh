#!/usr/bin/env bash
# Builds and runs every benchmark (bench/), then prints a summary.
# The full run takes about 18 minutes, most of it the transfer of 50 slots of
# 10,000 samples at the line's rate; BENCH_QUICK=1 leaves the 10,000-sample
# cases out. Figures go to $BUILD_DIR/bench-results.txt as well.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" -DTSPX_BUILD_BENCH=ON "$@"
bin="$build/bin"
results="$build/bench-results.txt"
export QT_QPA_PLATFORM=offscreen

transfer_cases=(--case empty --case filled1000 --case raw1000)
if [ "${BENCH_QUICK:-0}" != 1 ]; then
  transfer_cases+=(--case filled10000 --case raw10000)
  quick_samples=10000
  archive_sizes=()
else
  quick_samples=1000
  archive_sizes=(--sizes 10000,100000)
fi

# A benchmark that fails leaves a FAILED line and the others still run.
run() {
  "$@" || echo "FAILED: $*"
}

{
  echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "$(free -g | awk '/^Mem:/ {print $2}') GiB RAM, Debian $(cat /etc/debian_version)"
  run "$bin/bench_startup"
  run "$bin/bench_csv"
  run "$bin/bench_plot"
  run "$bin/bench_largeplot"
  run "$bin/bench_transfer" "${transfer_cases[@]}"
  run "$bin/bench_stall"
  run "$bin/bench_quicktransfer" --samples "$quick_samples"
  run "$bin/bench_plantarchive"
  # The archives are made once (the million takes some 3 minutes, 1.2 GB)
  # and kept in BENCH_DATA for later runs; BENCH_QUICK leaves the million out.
  run "$bin/bench_archive" --data "${BENCH_DATA:-$build/bench-data}" "${archive_sizes[@]}"
  run "$bin/bench_characteristics"
  # 100,000 curves of 1,000 samples (some 25 s to make, 420 MB, kept in
  # BENCH_DATA), judged from the file and from a throwaway server.
  run "$bin/bench_planevaluation" --data "${BENCH_DATA:-$build/bench-data}"
} | tee "$results"

echo
echo "=== summary ($results) ==="
grep -E '^(machine|case|elapsed|longest stall|ratio|fixed pauses|goal|peak memory|.*median|expand|exportListCSV|plain write|.*transfer elapsed|speed-up|FAILED)' \
  "$results"
! grep -q '^FAILED' "$results"
