#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test. Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFEEDWRIGHT_SANITIZE=ON -DFEEDWRIGHT_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 600)

echo "== the Release build that ./run.sh starts"
scripts/build-release.sh >/dev/null

export FEEDWRIGHT_BUILD_DIR="$build"
for check in scripts/checks/*.sh; do
  [ -e "$check" ] || continue
  echo "== $check"
  bash "$check"
done
