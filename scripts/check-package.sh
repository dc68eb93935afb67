#!/usr/bin/env bash
# Checks a built package: its file list, the desktop entry, the metainfo,
# lintian, and (as root) installing it and starting the installed program
# offscreen. A tool that is missing is reported as skipped, never silently.
#   bash scripts/check-package.sh qzshogi_0.1.0_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: FAILED: $*" >&2; exit 1; }
skip() { echo "package: skipped $* (not installed)"; }

dpkg-deb -x "$deb" "$work/root"
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/files"
for f in /usr/bin/qzshogi /usr/bin/qzshogi-engine \
  /usr/share/qzshogi/pictures/SITA_OU.png /usr/share/qzshogi/pictures/SITA_OU@3x.png \
  /usr/share/qzshogi/sounds/BGM.wav /usr/share/qzshogi/translations/qzshogi_en.qm \
  /usr/share/applications/org.qzshogi.QZShogi.desktop /usr/share/mime/packages/qzshogi.xml \
  /usr/share/metainfo/org.qzshogi.QZShogi.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/qzshogi.svg \
  /usr/share/doc/qzshogi/README.md /usr/share/doc/qzshogi/copyright; do
  grep -qx "$f" "$work/files" || fail "$f is not in the package"
done
for size in 16 22 24 32 48 64 128 256; do
  grep -qx "/usr/share/icons/hicolor/${size}x${size}/apps/qzshogi.png" "$work/files" ||
    fail "no ${size}x${size} icon"
done
echo "package: file list complete ($(wc -l <"$work/files") entries)"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends does not name the Qt libraries"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work"/root/usr/share/applications/*.desktop || fail "desktop-file-validate"
  echo "package: desktop-file-validate passed"
else skip desktop-file-validate; fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.xml >/dev/null ||
    fail "appstreamcli validate"
  echo "package: appstreamcli validate passed"
else skip appstreamcli; fi
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian"; fail lintian; }
  echo "package: lintian found no errors ($(grep -c '^[WI]:' "$work/lintian" || true) warnings and notes)"
else skip lintian; fi

if [ "$(id -u)" -ne 0 ]; then
  echo "package: skipped installing it (needs root)"
  exit 0
fi
dpkg -i "$deb" >/dev/null || fail "dpkg -i"
home=$work/home
mkdir -p "$home"
set +e
(cd "$home" && HOME=$home XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  timeout -s TERM 4 /usr/bin/qzshogi </dev/null >"$work/run.log" 2>&1)
rc=$?
set -e
[ "$rc" -eq 124 ] || { cat "$work/run.log"; fail "the installed program ended by itself (status $rc)"; }
[ -f "$home/.config/qzshogi/QZ氷結将棋.ini" ] ||
  fail "the installed program kept no settings in ~/.config/qzshogi/"
echo "package: installed, and the installed program started offscreen"
