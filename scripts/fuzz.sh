#!/usr/bin/env bash
# Runs every libFuzzer target for the given number of seconds each (default
# 60), starting from its seed corpus in tests/fuzz/corpus/ (fuzz_X uses X/). The
# targets are built in the sanitizer build (build-asan/ or $ASAN_BUILD_DIR).
# New inputs go to a scratch copy of the corpus, so the checkout stays clean.
# Any finding (crash, broken invariant, leak, time-out) fails the run; its
# input is kept in <build>/fuzz-findings/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ASAN_BUILD_DIR:-$root/build-asan}"
seconds="${1:-60}"
targets=(fuzz_protocol fuzz_settings fuzz_conversion)

"$root/scripts/sanitize.sh" --configure-only
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
source "$root/scripts/sanitizer-options.sh"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
findings="$build/fuzz-findings"
# One target: its scratch corpus, the run, its exit status in <target>.status.
run_target() {
    local target="$1"
    mkdir -p "$scratch/$target"
    cp "$root/tests/fuzz/corpus/${target#fuzz_}/"* "$scratch/$target/"
    # -close_fd_mask=1 drops the program's own standard output; the reports
    # go to standard error. -timeout bounds one input (a hang is a finding).
    local status=0
    "$build/bin/$target" -max_total_time="$seconds" -timeout=20 -close_fd_mask=1 \
        -print_final_stats=1 -artifact_prefix="$scratch/$target-" "$scratch/$target" \
        2>"$scratch/$target.log" || status=$?
    echo "$status" >"$scratch/$target.status"
}

# Each input a target failed on, as base64 and as the commands that replay it
# from a checkout, so a finding is reproducible from the log alone.
print_replay() {
    local target="$1" input name
    for input in "$scratch/$target"-*; do
        [ -f "$input" ] || continue
        name="$(basename "$input")"
        echo "== $target failed on $name, base64:"
        base64 -w0 "$input"
        echo
        echo "== replay: echo '$(base64 -w0 "$input")' | base64 -d >/tmp/$name &&" \
            "scripts/sanitize.sh --configure-only && cmake --build build-asan --target $target &&" \
            "(source scripts/sanitizer-options.sh; build-asan/bin/$target /tmp/$name)"
    done
}

# The targets run side by side, all at once: on fewer cores than targets each
# gets a share of the cores for the time given.
for target in "${targets[@]}"; do
    echo "== $target: ${seconds} s"
    run_target "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
    echo "== $target"
    if [ "$(cat "$scratch/$target.status")" != 0 ]; then
        failed+=("$target")
        mkdir -p "$findings"
        cp "$scratch/$target"-* "$findings/" 2>/dev/null || true
        tail -n 60 "$scratch/$target.log"
        print_replay "$target"
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$scratch/$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found problems in: ${failed[*]} (inputs in $findings)"
    exit 1
fi
echo "Fuzzing: no findings"
