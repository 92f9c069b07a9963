#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it with the
# committed .clang-format. Skipped where clang-format is not installed: the
# style is a courtesy to the next reader, not a build requirement.
set -euo pipefail
cd "$(dirname "$0")/../.."

# Other major versions lay out some constructs differently: the check runs
# with the one the committed layout was made with.
want=14
format=$(command -v "clang-format-$want" || command -v clang-format || true)
if [ -z "$format" ]; then
  echo "format: clang-format not installed, skipped"
  exit 0
fi
have=$("$format" --version | sed -n 's/.*version \([0-9]*\).*/\1/p')
if [ "$have" != "$want" ]; then
  echo "format: clang-format $have is not $want, which .clang-format's layout was made with; skipped"
  exit 0
fi
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'bench/*.cpp' 'bench/*.h')
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! "$format" --dry-run --Werror "${files[@]}" 2>"$report"; then
  grep -E '^[^ ].*: (error|warning):' "$report" | head -20 >&2
  echo "format: files differ from .clang-format; run: clang-format-$want -i \$(git ls-files '*.cpp' '*.h')" >&2
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format has them"
