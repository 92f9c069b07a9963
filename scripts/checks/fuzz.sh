#!/usr/bin/env bash
# Fuzzes the .cdf reader, and feedwright-cdf's lint over it, each for a
# bounded time with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer. Non-zero when the fuzzer finds a crash, a
# leak or undefined behaviour. Skipped (with a note) where clang is missing.
# Each run starts from the committed corpus and a fixed seed, so a failure
# comes back with the same FUZZ_SEED (and the input is kept besides).
#   FUZZ_SECONDS  how long to run each target (default 30)
#   FUZZ_SEED     libFuzzer's random seed (default 1)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not found; skipping the fuzz runs"
  exit 0
fi

# The fuzzer's runtime comes in its own package; without it there is nothing to run.
probe=$(mktemp -d)
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  rm -rf "$probe"
  echo "fuzz: clang++ cannot link libFuzzer (is libclang-rt-14-dev installed?); skipping the fuzz runs"
  exit 0
fi
rm -rf "$probe"

build=build/fuzz
seconds=${FUZZ_SECONDS:-30}
seed=${FUZZ_SEED:-1}

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFEEDWRIGHT_BUILD_FUZZ=ON -DFEEDWRIGHT_BUILD_GUI=OFF -DFEEDWRIGHT_BUILD_TESTS=OFF \
  -DFEEDWRIGHT_SANITIZE=ON -DFEEDWRIGHT_WERROR=ON \
  -DCMAKE_CXX_FLAGS="${CXXFLAGS:-} -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" --target cdf_reader_fuzz cdf_lint_fuzz feed_reader_fuzz -j "$(nproc)"

for target in cdf_reader_fuzz cdf_lint_fuzz feed_reader_fuzz; do
  # The fuzzer adds what it finds to its working corpus; the seeds stay as committed.
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/corpus" "$work/artifacts"
  dict=(-dict=fuzz/cdf.dict)
  if [ "$target" = feed_reader_fuzz ]; then
    # The feeds of the tests are its seeds; libxml2 knows XML's words.
    cp tests/data/feeds/*.xml "$work/corpus/"
    dict=()
  else
    cp fuzz/corpus/*.cdf "$work/corpus/"
  fi

  echo "fuzz: running $target for ${seconds}s from seed $seed over $(ls "$work/corpus" | wc -l) corpus files"
  if ! "$build/fuzz/$target" "$work/corpus" "${dict[@]}" -seed="$seed" -max_total_time="$seconds" -rss_limit_mb=2048 \
      -timeout=20 -print_final_stats=1 -artifact_prefix="$work/artifacts/" 2>"$work/log"; then
    tail -n 60 "$work/log"
    mkdir -p "$root/$build/crashes"
    cp "$work/artifacts/"* "$root/$build/crashes/" 2>/dev/null || true
    echo "fuzz: $target failed on an input; kept in $build/crashes/ (FUZZ_SEED=$seed scripts/checks/fuzz.sh runs the same inputs again)"
    exit 1
  fi
  grep -E "^stat::(number_of_executed_units|peak_rss_mb)" "$work/log" || true
  echo "fuzz: no failure of $target in ${seconds}s"
  rm -rf "$work"
done
