#!/usr/bin/env bash
# Every text of the window has a translation in each translations/*.ts:
# lupdate is run over src/gui into a copy of each file, and the copy must
# have no unfinished or vanished message and be the file as committed
# (to bring a file up to date: cmake --build BUILD --target update_translations).
# The build runs this too; an optional argument names lupdate.
set -euo pipefail
cd "$(dirname "$0")/../.."

lupdate=${1:-}
if [ -z "$lupdate" ]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then lupdate=$candidate; break; fi
  done
fi
if [ -z "$lupdate" ]; then
  echo "translations: lupdate not found (Debian: qt6-l10n-tools)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in translations/*.ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none -no-obsolete src/gui -ts "$copy" >"$work/lupdate.log" 2>&1 ||
    { cat "$work/lupdate.log" >&2; exit 1; }
  if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
    echo "$ts: texts without a translation:" >&2
    grep -B3 'type="unfinished"' "$copy" | grep '<source>' | sed 's/^ */  /' >&2 || true
    status=1
  elif ! cmp -s "$ts" "$copy"; then
    echo "$ts: not what lupdate makes of the sources now:" >&2
    diff -u "$ts" "$copy" >&2 || true
    status=1
  fi
done
[ "$status" = 0 ] && echo "translations: every text translated"
exit "$status"
