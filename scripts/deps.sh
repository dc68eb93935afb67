#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# and only those that are missing, so a second run costs nothing.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libsdl2-dev libsdl2-mixer-dev
  fonts-ipaexfont-mincho fonts-ipafont-mincho
  clang libclang-rt-14-dev
  qt6-tools-dev qt6-l10n-tools
  dpkg-dev lintian desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
