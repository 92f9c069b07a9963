#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it with the
# committed .clang-format. Skipped where clang-format is not installed: the
# style is a courtesy to the next reader, not a build requirement.
set -euo pipefail
cd "$(dirname "$0")/../.."

if ! command -v clang-format >/dev/null; then
  echo "format: clang-format not installed, skipped"
  exit 0
fi
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'bench/*.cpp' 'bench/*.h')
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! clang-format --dry-run --Werror "${files[@]}" 2>"$report"; then
  grep -E '^[^ ].*: (error|warning):' "$report" | head -20 >&2
  echo "format: files differ from .clang-format; run: clang-format -i \$(git ls-files '*.cpp' '*.h')" >&2
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format has them"
