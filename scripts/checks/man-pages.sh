#!/usr/bin/env bash
# Checks the built manual pages: groff and man must format them without a
# warning, and feedwright-cdf.1 must have a place for every command, option and
# exit status that `feedwright-cdf --help` lists.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${FEEDWRIGHT_BUILD_DIR:-build/test}"

pages=("$build"/man/*.1)
[ -e "${pages[0]}" ] || { echo "man: no pages built in $build/man"; exit 1; }

failed=0
fail() { echo "man: $*"; failed=1; }

# Both formatters say nothing when a page is clean; anything they say is a fault.
for page in "${pages[@]}"; do
  name=$(basename "$page")
  if command -v groff >/dev/null; then
    said=$(groff -k -ww -z -man -Tutf8 "$page" 2>&1)
    [ -z "$said" ] || fail "groff -ww on $name:"$'\n'"$said"
  fi
  if command -v man >/dev/null; then
    said=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$said" ] || fail "man --warnings on $name:"$'\n'"$said"
  fi
done
command -v groff >/dev/null || echo "man: groff not installed, formatting not checked"
command -v man >/dev/null || echo "man: man not installed, formatting not checked"

# The command-line page against the program's own help: the lines of its
# "Commands:" list start with two spaces and a command or option, those of
# "Exit status:" with two spaces and a number.
page="$build/man/feedwright-cdf.1"
help=$("$build/src/cli/feedwright-cdf" --help)
items=$(awk '/^Commands:/ { on = 1; next } /^$/ { on = 0 } on && /^  [^ ]/ { print $1 }' <<<"$help")
statuses=$(awk '/^Exit status:/ { on = 1; next } on && /^  [0-9]/ { print $1 }' <<<"$help")
[ -n "$items" ] && [ -n "$statuses" ] || fail "cannot find the commands or exit statuses in feedwright-cdf --help"
for item in $items; do
  if [[ $item == --* ]]; then
    sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$page" | grep -q "^\.BR* .*${item//-/\\\\-}" ||
      fail "feedwright-cdf.1 does not describe the option $item"
  else
    grep -q "^\.SS \"$item " "$page" || fail "feedwright-cdf.1 has no section for the command $item"
    grep -q "^\.B feedwright\\\\-cdf $item\$" "$page" || fail "feedwright-cdf.1 has no SYNOPSIS line for $item"
  fi
done
for status in $statuses; do
  sed -n '/^\.SH "EXIT STATUS"/,/^\.SH /p' "$page" | grep -q "^\.B $status\$" ||
    fail "feedwright-cdf.1 does not describe the exit status $status"
done

[ "$failed" = 0 ] || exit 1
echo "man: ${#pages[@]} pages format cleanly; feedwright-cdf.1 covers $(wc -w <<<"$items") commands and options and $(wc -w <<<"$statuses") exit statuses"
