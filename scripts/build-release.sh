#!/usr/bin/env bash
# Builds the desktop program that ./run.sh starts, in build/release. The full
# ./test.sh builds the same folder with the tests, so ./run.sh after it builds
# nothing more; the options that folder already has are left as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target feedwright -j "$(nproc)"
