#!/usr/bin/env bash
# Peak memory and time of `feedwright-cdf` on hostile shapes: files made to
# cost far more than their size. Release build in its own folder (shared
# with cli_bench.sh); prints the peak resident memory as measured by
# /usr/bin/time -v, also as a multiple of the file's size.
#
#   bench/hostile_memory.sh
#
# Environment: BENCH_DIR (default /tmp/feedwright-hostile-bench), BUILD_DIR,
# HOSTILE_MB (size of the item and title files in MB, default 100).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench-cli}
BENCH_DIR=${BENCH_DIR:-/tmp/feedwright-hostile-bench}
HOSTILE_MB=${HOSTILE_MB:-100}

[ -x /usr/bin/time ] || { echo "hostile_memory.sh: /usr/bin/time is missing (apt-get install time)" >&2; exit 1; }
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DFEEDWRIGHT_BUILD_GUI=OFF -DFEEDWRIGHT_BUILD_TESTS=OFF >/dev/null
ninja -C "$BUILD_DIR" -j2 feedwright-cdf >/dev/null
CLI=$BUILD_DIR/src/cli/feedwright-cdf
mkdir -p "$BENCH_DIR"

python3 - "$BENCH_DIR" "$HOSTILE_MB" <<'PY'
import os, sys
folder, mb = sys.argv[1], int(sys.argv[2])
size = mb * 1000 * 1000
decl = b'<?XML VERSION="1.0"?>\r\n<CHANNEL HREF="http://h">\r\n'
def make(name, body):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        with open(path, "wb") as f:
            f.write(body)
make("items.cdf", decl + b"<ITEM>" * ((size - len(decl)) // 6))
make("title.cdf", decl + b"<TITLE>" + b"x" * size + b"</TITLE>\r\n</CHANNEL>\r\n")
make("nested.cdf", decl + b"<CHANNEL>" * 1000000)
PY

printf "%-20s %9s %9s %11s %9s  %s\n" case file wall "peak RSS" "/file" exit
run() {  # label file command...
  local label=$1 file=$2 log=$BENCH_DIR/time.log status=0; shift 2
  /usr/bin/time -v "$@" >/dev/null 2>"$log" || status=$?
  awk -F': ' -v l="$label" -v b="$(stat -c %s "$file")" -v st="$status" '
    /Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i] }
    /Maximum resident set size/ { kb = $2 }
    END { printf "%-20s %6.1f MB %7.2f s %8.1f MB %8.1fx  %s\n", l, b / 1e6, s, kb / 1024, kb * 1024 / b, st }' "$log"
}
for shape in items title nested; do
  in=$BENCH_DIR/$shape.cdf
  run "check $shape" "$in" "$CLI" check "$in"
  run "rewrite $shape" "$in" "$CLI" rewrite "$in" "$BENCH_DIR/out.cdf"
done
rm -f "$BENCH_DIR/out.cdf"
