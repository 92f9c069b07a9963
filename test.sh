#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test. Non-zero on any failure.
#   ./test.sh           the full gate (.ci/run calls it): the sanitizer build and
#                       its tests, a Release build with the tests, fuzzing from a
#                       fixed seed, the Debian package and every check
#   ./test.sh --quick   the loop while working: one incremental build of the
#                       sanitizer build, its tests and the format check
# Warnings are errors in both (FEEDWRIGHT_WERROR). docs/architecture.md says
# what each mode costs.
set -euo pipefail
cd "$(dirname "$0")"

quick=0
case "${1:-}" in
  --quick) quick=1 ;;
  "") ;;
  *) echo "usage: ./test.sh [--quick]" >&2; exit 64 ;;
esac

started=$SECONDS
step() { echo "== $1 ($((SECONDS - started)) s so far)"; }

scripts/ensure-packages.sh

build=build/test
step "the sanitizer build in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFEEDWRIGHT_SANITIZE=ON -DFEEDWRIGHT_BUILD_TESTS=ON \
  -DFEEDWRIGHT_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

step "the tests"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 600)

if [ "$quick" = 1 ]; then
  step scripts/checks/format.sh
  bash scripts/checks/format.sh
  step "done (quick)"
  exit 0
fi

# The optimiser finds warnings the Debug build does not; the tests are built
# too, so their code is held to the same rule. build/release is the folder
# ./run.sh starts the program from.
step "the Release build with the tests in build/release"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFEEDWRIGHT_BUILD_TESTS=ON \
  -DFEEDWRIGHT_WERROR=ON >/dev/null
cmake --build build/release -j "$(nproc)"

export FEEDWRIGHT_BUILD_DIR="$build"
for check in scripts/checks/*.sh; do
  [ -e "$check" ] || continue
  step "$check"
  bash "$check"
done
step "done"
