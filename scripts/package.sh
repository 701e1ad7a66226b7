#!/usr/bin/env bash
# Builds the Debian package tspx_<version>_<arch>.deb into build/package/ (or
# $BUILD_DIR/package) with CPack and lints it: desktop-file-validate on the
# desktop entry, appstreamcli on the AppStream metainfo, and lintian, whose
# errors and warnings fail the run. Extra arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" "$@"

out="$build/package"
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$build/cpack.log" 2>&1 ||
    { cat "$build/cpack.log"; exit 1; }
deb="$(ls "$out"/tspx_*.deb)"

contents="$(mktemp -d)"
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
appstreamcli validate --no-net --explain "$contents"/usr/share/metainfo/*.metainfo.xml
# Informational tags (e.g. hardening-no-bindnow) are shown but do not fail.
lintian --fail-on error,warning --display-info "$deb"
echo "$deb"
