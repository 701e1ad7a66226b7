#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the screenshots need.
# Skips what is already there; needs no answer from a person.
set -euo pipefail

packages=(
  build-essential cmake ninja-build lld pkg-config
  qtbase5-dev libqt5sql5-sqlite libqt5sql5-psql libqwt-qt5-dev libqt5serialport5-dev libqt5svg5-dev libqt5svg5
  qttools5-dev qttools5-dev-tools qttranslations5-l10n
  libxlsxwriter-dev unzip                   # Excel export; its test reads the file back
  xvfb xauth socat imagemagick poppler-utils
  clang libclang-rt-14-dev llvm   # sanitizer build and fuzzing (llvm: readable stacks)
  dpkg-dev fakeroot desktop-file-utils appstream lintian   # the Debian package and its checks
  librsvg2-bin                    # packaging/icons/make-icons.sh
  locales                         # the file tests run in de_DE.UTF-8 too
  postgresql                      # the shared archive's tests run a server of their own
)

german_locale="de_DE.UTF-8 UTF-8"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests that write files also run with decimal commas (tests/CMakeLists.txt).
if ! locale -a | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the locale $german_locale"
  grep -qx "$german_locale" /etc/locale.gen 2>/dev/null ||
    $sudo sed -i "s/^# *$german_locale\$/$german_locale/" /etc/locale.gen
  grep -qx "$german_locale" /etc/locale.gen || echo "$german_locale" | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi
