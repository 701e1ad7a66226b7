#!/usr/bin/env bash
# The Debian package as a user gets it: builds it with CPack from a build
# folder, checks its control fields and its exact file list, installs it into
# a temporary root (dpkg-deb -x) and runs the installed programs there; the
# program's start-up (tst_installedprogram, copied beside the installed
# programs) must find the installed translations and logo.
#
#   check-package.sh --build DIR --source DIR --version X.Y --probe FILE --cli 0|1
set -euo pipefail

while [ $# -gt 0 ]; do
    case "$1" in
        --build) build=$2 ;;
        --source) source=$2 ;;
        --version) version=$2 ;;
        --probe) probe=$2 ;;
        --cli) with_cli=$2 ;;
        *) echo "unknown argument $1" >&2; exit 2 ;;
    esac
    shift 2
done

work="$build/tst_package"
rm -rf "$work"
mkdir -p "$work"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
arch="$(dpkg --print-architecture)"
deb="$work/deb/tspx_${version}_${arch}.deb"
[ -f "$deb" ] || { ls "$work/deb"; echo "FAIL: no $deb"; exit 1; }
echo "built $deb"

# Control fields; Depends comes from dpkg-shlibdeps.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tspx ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Maintainer)" = "Kavro <support@kavro.com>" ] || fail "Maintainer: $(field Maintainer)"
[ "$(field Section)" = science ] || fail "Section: $(field Section)"
[ "$(field Recommends)" = qttranslations5-l10n ] || fail "Recommends: $(field Recommends)"
depends="$(field Depends)"
# The package names, one a line ("a (>= 1) | b" gives a and b).
depended=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
for library in libc6 libstdc++6 libqt5core5a libqt5gui5 libqt5widgets5 libqt5printsupport5 \
    libqt5svg5 libqt5sql5-sqlite libqt5sql5-psql libqt5serialport5 libqwt-qt5-6; do
    grep -qxF "$library" <<<"$depended" || fail "Depends lacks $library: $depends"
done

# The exact file list (everything but folders), with owner and mode.
expected=(
    "-rwxr-xr-x root/root ./usr/bin/tspx"
    "-rwxr-xr-x root/root ./usr/bin/tspx-sim"
    "-rw-r--r-- root/root ./usr/lib/udev/rules.d/70-tspx-serial-adapters.rules"
    "-rw-r--r-- root/root ./usr/share/applications/com.kavro.tspx.desktop"
    "-rw-r--r-- root/root ./usr/share/doc/tspx/changelog.gz"
    "-rw-r--r-- root/root ./usr/share/doc/tspx/copyright"
    "-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/com.kavro.tspx.png"
    "-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/com.kavro.tspx.png"
    "-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/com.kavro.tspx.svg"
    "-rw-r--r-- root/root ./usr/share/man/man1/tspx-sim.1.gz"
    "-rw-r--r-- root/root ./usr/share/man/man1/tspx.1.gz"
    "-rw-r--r-- root/root ./usr/share/metainfo/com.kavro.tspx.metainfo.xml"
    "-rw-r--r-- root/root ./usr/share/tspx/kavro.png"
    "-rw-r--r-- root/root ./usr/share/tspx/tspx_de.qm"
    "-rw-r--r-- root/root ./usr/share/tspx/tspx_en.qm"
    "-rw-r--r-- root/root ./usr/share/tspx/tspx_fr.qm"
    "-rw-r--r-- root/root ./usr/share/tspx/tspx_it.qm"
)
programs=(tspx tspx-sim)
if [ "$with_cli" = 1 ]; then
    programs+=(tspx-cli)
    expected+=("-rwxr-xr-x root/root ./usr/bin/tspx-cli"
        "-rw-r--r-- root/root ./usr/share/man/man1/tspx-cli.1.gz")
fi
printf '%s\n' "${expected[@]}" | LC_ALL=C sort >"$work/expected-files"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | LC_ALL=C sort >"$work/files"
diff -u "$work/expected-files" "$work/files" || fail "file list (- expected, + in the package)"
dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root") { print }' \
    >"$work/odd-folders"
[ ! -s "$work/odd-folders" ] || fail "folders not root-owned 0755: $(cat "$work/odd-folders")"

root="$work/root"
dpkg-deb -x "$deb" "$root"

# The data files are the ones the build made.
cmp "$root/usr/share/tspx/kavro.png" "$source/resources/images/logos/kavro.png" || fail "logo"
for language in de en fr it; do
    cmp "$root/usr/share/tspx/tspx_$language.qm" "$build/bin/tspx_$language.qm" ||
        fail "tspx_$language.qm"
done
zcat "$root/usr/share/man/man1/tspx.1.gz" | grep -q "^\.TH TSPX 1 .*\"tspx $version\"" ||
    fail "man page version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/com.kavro.tspx.metainfo.xml" ||
    fail "metainfo release version"

# The installed programs load their libraries and run.
for program in "${programs[@]}"; do
    grep -q "<binary>$program</binary>" "$root/usr/share/metainfo/com.kavro.tspx.metainfo.xml" ||
        fail "metainfo does not provide $program"
    if ldd "$root/usr/bin/$program" | grep -q 'not found'; then
        fail "$program misses libraries: $(ldd "$root/usr/bin/$program" | grep 'not found')"
    fi
done
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
"$root/usr/bin/tspx-sim" --help >"$work/sim-help.txt" 2>&1 || fail "tspx-sim --help"
grep -q -- '--com' "$work/sim-help.txt" || fail "tspx-sim --help: $(cat "$work/sim-help.txt")"
if [ "$with_cli" = 1 ]; then
    "$root/usr/bin/tspx-cli" --version >"$work/cli-version.txt" 2>&1 || fail "tspx-cli --version"
    grep -qF "$version" "$work/cli-version.txt" ||
        fail "tspx-cli --version: $(cat "$work/cli-version.txt")"
fi

# The program's start-up from the installed tree.
cp "$probe" "$root/usr/bin/"
"$root/usr/bin/$(basename "$probe")" || fail "the installed program's start-up"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package ok: $deb"
