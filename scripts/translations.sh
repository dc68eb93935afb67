#!/usr/bin/env bash
# Brings translations/qzshogi_en.ts up to date with the texts marked in the
# code (QZ_TR): new texts come in unfinished, texts no longer used go. Then
# write the English of each new text in its <translation> line.
#   bash scripts/translations.sh            update the .ts
#   bash scripts/translations.sh --check    fail on an untranslated or unused text
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
ts=translations/qzshogi_en.ts
# computer/ shows the user no text (and lupdate crashes on its bit-board code).
sources=(rules records display play shell engine)
update() {
  local log status=0
  log=$(mktemp)
  "$lupdate" -silent -locations none -no-obsolete -target-language en \
    -tr-function-alias QT_TRID_NOOP=QZ_TR -extensions cpp,h "${sources[@]}" -ts "$1" >"$log" 2>&1 ||
    status=$?
  grep -v "has no source\|Ignoring definition of undeclared" "$log" >&2 || true
  rm -f "$log"
  if [ "$status" -ne 0 ]; then
    echo "translations: lupdate failed ($status), $1 not updated" >&2
    return "$status"
  fi
}
if [ "${1:-}" != --check ]; then
  update "$ts"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/now.ts"
update "$work/now.ts"
status=0
if ! diff -u "$ts" "$work/now.ts" >"$work/diff"; then
  echo "translations: the marked texts and $ts differ (run scripts/translations.sh):"
  grep -E '^[-+] *<message id=' "$work/diff" | sed -E 's/^-/  unused: /; s/^\+/  new:    /'
  status=1
fi
if grep -q 'type="unfinished"\|<translation></translation>' "$ts"; then
  echo "translations: texts without an English translation in $ts:"
  grep -B2 'type="unfinished"\|<translation></translation>' "$ts" | grep -o 'id="[^"]*"'
  status=1
fi
[ "$status" -eq 0 ] && echo "translations: $(grep -c '<message' "$ts") texts, all translated and used"
exit "$status"
