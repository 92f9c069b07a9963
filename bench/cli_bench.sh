#!/usr/bin/env bash
# Times `feedwright-cdf rewrite`, `show`, `lint` and `export` on large
# generated files, and `new --from-folder` on generated sites, with a
# Release build in its own build folder. Prints seconds, MB/s (of the input
# file) and peak resident memory, as measured by /usr/bin/time -v.
#
#   bench/cli_bench.sh                       the default sizes
#   BENCH_ITEMS="10000" BENCH_DEPTHS="" BENCH_SITES="" bench/cli_bench.sh
#
# Environment: BENCH_ITEMS, BENCH_DEPTHS, BENCH_SITES, BENCH_AMPS (space-separated
# sizes; a site size counts pages, and its "file" size is the site's bytes; an
# amps size is the MB of a title of "&#" repeated, which must export in time
# linear in its size: twice the MB, about twice the seconds), BENCH_DIR
# (where files go, default /tmp/feedwright-cli-bench), BENCH_RUNS (runs per
# measurement, the fastest is kept; default 3), BUILD_DIR.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench-cli}
BENCH_DIR=${BENCH_DIR:-/tmp/feedwright-cli-bench}
BENCH_ITEMS=${BENCH_ITEMS-10000 100000 1000000}
BENCH_DEPTHS=${BENCH_DEPTHS-1000 2000 4000}
BENCH_SITES=${BENCH_SITES-10000 100000}
BENCH_AMPS=${BENCH_AMPS-1 4}
BENCH_RUNS=${BENCH_RUNS:-3}

[ -x /usr/bin/time ] || { echo "cli_bench.sh: /usr/bin/time is missing (apt-get install time)" >&2; exit 1; }

# The include flag is harmless where the core already exports src/core.
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DFEEDWRIGHT_BUILD_GUI=OFF -DFEEDWRIGHT_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="-I$ROOT/src/core" >/dev/null
ninja -C "$BUILD_DIR" -j2 feedwright-cdf >/dev/null
CLI=$BUILD_DIR/src/cli/feedwright-cdf
mkdir -p "$BENCH_DIR"

# Runs a command BENCH_RUNS times under /usr/bin/time -v; prints "seconds
# cpu_seconds peak_kb" of the fastest run. CPU seconds (user + system) say
# more than wall time on a machine others are using.
measure() {
  local best_s="" best_cpu="" best_kb="" log="$BENCH_DIR/time.log"
  for _ in $(seq "$BENCH_RUNS"); do
    /usr/bin/time -v "$@" >"$BENCH_DIR/stdout" 2>"$log" || {
      echo "cli_bench.sh: failed: $*" >&2; cat "$log" >&2; exit 1; }
    local s cpu kb
    cpu=$(awk -F': ' '/User time|System time/ { t += $2 } END { print t }' "$log")
    s=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); t = 0;
                      for (i = 1; i <= n; i++) t = t * 60 + p[i]; print t }' "$log")
    kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$log")
    if [ -z "$best_s" ] || awk -v a="$s" -v b="$best_s" 'BEGIN { exit !(a < b) }'; then
      best_s=$s; best_cpu=$cpu; best_kb=$kb
    fi
  done
  echo "$best_s $best_cpu $best_kb"
}

report() {  # label command file
  local label=$1 file=$2; shift 2
  local bytes mb s cpu kb
  bytes=$(stat -c %s "$file")
  mb=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1e6 }')
  read -r s cpu kb < <(measure "$@")
  awk -v l="$label" -v mb="$mb" -v s="$s" -v cpu="$cpu" -v kb="$kb" -v b="$bytes" 'BEGIN {
    rate = s > 0 ? mb / s : 0
    printf "%-24s %8s MB %7.2f s %7.2f s %8.1f MB/s %8.1f MB %5.1fx\n",
           l, mb, s, cpu, rate, kb / 1024, kb * 1024 / b }'
}

run_case() {  # kind size
  local kind=$1 size=$2 in out
  in=$BENCH_DIR/$kind-$size.cdf
  out=$BENCH_DIR/$kind-$size.out.cdf
  [ -s "$in" ] || python3 "$ROOT/bench/generate_cdf.py" "$kind" "$size" "$in"
  report "rewrite $kind=$size" "$in" "$CLI" rewrite "$in" "$out"
  cmp -s "$in" "$out" || echo "  (warning: rewrite of $kind=$size did not give the same bytes)"
  report "show    $kind=$size" "$in" "$CLI" show "$in"
  # lint exits 1 when it warned, as it does on the generated head.
  report "lint    $kind=$size" "$in" sh -c '"$1" lint "$2" >/dev/null; [ $? -le 1 ]' sh "$CLI" "$in"
  report "export  $kind=$size" "$in" "$CLI" export --to sitemap "$in" "$out"
  rm -f "$out" "$BENCH_DIR/stdout"
}

run_site() {  # pages
  local pages=$1 site out bytes
  site=$BENCH_DIR/site-$pages
  out=$BENCH_DIR/site-$pages.cdf
  [ -d "$site" ] || python3 "$ROOT/bench/generate_site.py" "$pages" "$site"
  # `report` takes a file for the input size: the site's bytes stand in a file of that size.
  bytes=$(du -sb "$site" | cut -f1)
  truncate -s "$bytes" "$BENCH_DIR/site-size"
  report "from-folder site=$pages" "$BENCH_DIR/site-size" "$CLI" new "$out" --from-folder "$site" \
    --url http://bench.example/
  "$CLI" check "$out" >/dev/null || echo "  (warning: the channel from site=$pages does not load cleanly)"
  rm -f "$out" "$BENCH_DIR/site-size"
}

run_amps() {  # megabytes
  local mb=$1 in=$BENCH_DIR/amps-$1.cdf
  [ -s "$in" ] || python3 -c 'import sys
n = int(sys.argv[1]) * 500000
open(sys.argv[2], "w").write("<?XML VERSION=\"1.0\"?>\n<CHANNEL HREF=\"http://s/\"><TITLE>" + "&#" * n +
                             "</TITLE></CHANNEL>\n")' "$mb" "$in"
  report "export  amps=${mb}MB" "$in" "$CLI" export --to html "$in"
}

echo "feedwright-cdf on $(nproc) cores, $(uname -sr), best of $BENCH_RUNS runs"
printf "%-24s %11s %9s %9s %13s %11s %6s\n" case file wall cpu "wall rate" "peak RSS" "/file"
for n in $BENCH_ITEMS; do run_case items "$n"; done
for d in $BENCH_DEPTHS; do run_case chain "$d"; done
for n in $BENCH_SITES; do run_site "$n"; done
for m in $BENCH_AMPS; do run_amps "$m"; done
