#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
source "$root/scripts/build-options.sh"
cmake -S "$root" -B "$build" $(new_folder_options "$build") "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
