#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window of QZ 氷結将棋 in
# the folder this was started from (where the settings file is kept).
set -euo pipefail
here=$PWD
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "QZ 氷結将棋: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  exit 1
fi
cd "$root"
bash scripts/deps.sh
bash scripts/build.sh build
cd "$here"
exec "$root/build/shell/qzshogi"
