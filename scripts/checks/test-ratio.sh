#!/usr/bin/env bash
# Prints how many lines of C++ the tests hold against the code they test.
# The aim is about a third; it only reports, it never fails.
set -euo pipefail
cd "$(dirname "$0")/../.."

lines() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | wc -l; }
code=$(lines src)
tests=$(lines tests)
echo "tests: $tests lines of C++ against $code in src/ ($(( 100 * tests / code ))%; the aim is about 33%, at most 40%)"
