#!/usr/bin/env bash
# Builds the Release configuration that ./run.sh starts, in build/release.
# ./test.sh builds it too, so that a warning only the optimiser finds
# (warnings are errors) fails the tests, not a user's first run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFEEDWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
