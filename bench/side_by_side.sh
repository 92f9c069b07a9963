#!/usr/bin/env bash
# Loading and saving against a general XML parser, in one run: pugixml's
# in-memory parse of a generated channel (and, like for like with the
# commands, a whole process that reads the file and parses it once), then
# `feedwright-cdf check` (load only) and `rewrite` (load, write, flush to
# disk) of the same file, each several times; prints the medians, their
# ratios, the peak memory of `rewrite` against the file's size, and how the
# time grows from 100,000 to 1,000,000 items.
#
#   bench/side_by_side.sh
#   BENCH_RUNS=11 BENCH_LARGE=0 bench/side_by_side.sh     more runs, skip 1,000,000
#
# Needs libpugixml-dev (for the yardstick only; the program never links it)
# and /usr/bin/time; with BENCH_INSTALL=1 the script installs both through
# apt-get when they are missing.
#
# Environment: BENCH_RUNS (runs per figure, default 7), BENCH_ITEMS (default
# 100000), BENCH_LARGE (items of the growth figure, default 1000000; 0 skips
# it), BENCH_DIR (files, default /tmp/feedwright-side-by-side), BUILD_DIR.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench}
BENCH_DIR=${BENCH_DIR:-/tmp/feedwright-side-by-side}
BENCH_RUNS=${BENCH_RUNS:-7}
BENCH_ITEMS=${BENCH_ITEMS:-100000}
BENCH_LARGE=${BENCH_LARGE:-1000000}

missing=()
[ -x /usr/bin/time ] || missing+=(time)
[ -e /usr/include/pugixml.hpp ] || missing+=(libpugixml-dev)
if [ ${#missing[@]} -gt 0 ]; then
  if [ "${BENCH_INSTALL:-0}" = 1 ]; then
    apt-get install -y "${missing[@]}" >/dev/null
  else
    echo "side_by_side.sh: missing ${missing[*]}: apt-get install ${missing[*]} (or BENCH_INSTALL=1)" >&2
    exit 1
  fi
fi

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFEEDWRIGHT_BUILD_GUI=OFF \
  -DFEEDWRIGHT_BUILD_TESTS=OFF -DFEEDWRIGHT_BUILD_BENCH=ON >/dev/null
ninja -C "$BUILD_DIR" -j2 feedwright-cdf pugixml_parse feedwright_parse >/dev/null
CLI=$BUILD_DIR/src/cli/feedwright-cdf
PUGI=$BUILD_DIR/bench/pugixml_parse
PARSE=$BUILD_DIR/bench/feedwright_parse
mkdir -p "$BENCH_DIR"

input() {  # items -> path of the generated file
  local file=$BENCH_DIR/items-$1.cdf
  [ -s "$file" ] || python3 "$ROOT/bench/generate_cdf.py" items "$1" "$file"
  echo "$file"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Wall seconds of whole runs of a command, one a line (bash's microsecond
# clock; /usr/bin/time counts only hundredths). The last run goes under
# /usr/bin/time as well, for its peak resident kilobytes ($BENCH_DIR/peak_kb).
wall_times() {
  local log=$BENCH_DIR/time.log start stop
  for _ in $(seq "$BENCH_RUNS"); do
    start=$EPOCHREALTIME
    "$@" >/dev/null || { echo "side_by_side.sh: failed: $*" >&2; exit 1; }
    stop=$EPOCHREALTIME
    awk -v a="$start" -v b="$stop" 'BEGIN { printf "%.6f\n", b - a }'
  done
  /usr/bin/time -f "%M" -o "$log" "$@" >/dev/null
  cat "$log" >"$BENCH_DIR/peak_kb"
}

# The medians of one file, in milliseconds: pugixml's parse, check, rewrite,
# the reader alone timed as pugixml is (in memory, file already read), and
# a whole process that reads the file and has pugixml parse it once.
measure() {  # file
  local file=$1 out=$BENCH_DIR/out.cdf pugi check rewrite parse process
  pugi=$("$PUGI" "$file" "$BENCH_RUNS")
  parse=$("$PARSE" "$file" "$BENCH_RUNS")
  process=$(wall_times "$PUGI" "$file" 1 | median)
  check=$(wall_times "$CLI" check "$file" | median)
  rewrite=$(wall_times "$CLI" rewrite "$file" "$out" | median)
  cmp -s "$file" "$out" || echo "  (warning: rewrite did not give the same bytes back)" >&2
  rm -f "$out"
  awk -v p="$pugi" -v c="$check" -v r="$rewrite" -v l="$parse" -v w="$process" \
    'BEGIN { printf "%.2f %.1f %.1f %.2f %.1f\n", p, c * 1000, r * 1000, l, w * 1000 }'
}

file=$(input "$BENCH_ITEMS")
bytes=$(stat -c %s "$file")
echo "$(nproc) cores, $(uname -sr), load $(cut -d' ' -f1-3 /proc/loadavg), medians of $BENCH_RUNS runs"
echo "file: $BENCH_ITEMS items, $(awk -v b="$bytes" 'BEGIN { printf "%.1f MB", b / 1e6 }')"
read -r pugi check rewrite parse process < <(measure "$file")
peak_kb=$(cat "$BENCH_DIR/peak_kb")
awk -v p="$pugi" -v c="$check" -v r="$rewrite" -v l="$parse" -v w="$process" -v kb="$peak_kb" -v b="$bytes" 'BEGIN {
  printf "pugixml parse (in memory, file already read)   %8.1f ms\n", p
  printf "feedwright reader, timed the same way          %8.1f ms   %5.2fx pugixml\n", l, l / p
  printf "pugixml whole process (read, parse once)       %8.1f ms   check is %.2fx this\n", w, c / w
  printf "feedwright-cdf check (whole process)           %8.1f ms   %5.2fx pugixml   (target 0.5x)\n", c, c / p
  printf "feedwright-cdf rewrite (whole process, fsync)  %8.1f ms   %5.2fx pugixml   (target 0.8x)\n", r, r / p
  printf "rewrite peak memory                            %8.1f MB   %5.2fx the file  (target 2x)\n",
         kb / 1024, kb * 1024 / b
}'

if [ "$BENCH_LARGE" != 0 ]; then
  large=$(input "$BENCH_LARGE")
  read -r lpugi lcheck lrewrite _ _ < <(measure "$large")
  awk -v n="$BENCH_LARGE" -v p="$lpugi" -v c="$lcheck" -v r="$lrewrite" \
      -v p0="$pugi" -v c0="$check" -v r0="$rewrite" -v b0="$bytes" -v b="$(stat -c %s "$large")" 'BEGIN {
    printf "%d items (%.1f MB, %.1fx the bytes):\n", n, b / 1e6, b / b0
    printf "  pugixml parse %8.1f ms  %5.1fx\n", p, p / p0
    printf "  check         %8.1f ms  %5.1fx   (target 11x)\n", c, c / c0
    printf "  rewrite       %8.1f ms  %5.1fx   (target 11x)\n", r, r / r0
  }'
fi
