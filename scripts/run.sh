#!/usr/bin/env bash
# Builds the tool, starts the simulated gauge on COM4 and opens the tool on it.
# Closing the tool stops the simulated gauge. Arguments go to tspx (-lang=en).
# The demo keeps its settings in build/demo-config, not in your own folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"

export XDG_CONFIG_HOME="${TSPX_DEMO_CONFIG:-$build/demo-config}"
mkdir -p "$XDG_CONFIG_HOME"
log="$XDG_CONFIG_HOME/tspx-sim.log"

"$build/bin/tspx-sim" --com 4 --seed "${TSPX_DEMO_SEED:-$RANDOM}" >"$log" 2>&1 &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT

for _ in $(seq 100); do
  grep -q '^ready' "$log" 2>/dev/null && break
  kill -0 "$sim" 2>/dev/null || { cat "$log"; exit 1; }
  sleep 0.1
done
head -n 1 "$log"
echo "Press \" Daten übertragen \" in the tool to read the simulated gauge."

"$build/bin/tspx" "$@"
