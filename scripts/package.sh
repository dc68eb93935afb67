#!/usr/bin/env bash
# Builds the Debian package qzshogi_<version>_amd64.deb into the folder this
# was started from (installs what is missing and builds first).
set -euo pipefail
here=$PWD
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/deps.sh
bash scripts/build.sh build
rm -rf build/package
(cd build && cpack -G DEB -B "$root/build/package" >/dev/null)
deb=$(ls build/package/qzshogi_*_amd64.deb)
cp "$deb" "$here/"
echo "$here/$(basename "$deb")"
