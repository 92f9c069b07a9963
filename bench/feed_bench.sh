#!/usr/bin/env bash
# Times `feedwright-cdf new --from-feed` on a generated RSS 2.0 feed of
# BENCH_FEED_MB megabytes (default 100), with and without --limit, and prints
# seconds and peak resident memory (/usr/bin/time -v) with a Release build
# in its own build folder. The reader streams: memory follows what is kept
# (the channel), not the size of the feed.
#
#   bench/feed_bench.sh
#   BENCH_FEED_MB="10 100" bench/feed_bench.sh
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench-cli}
BENCH_DIR=${BENCH_DIR:-/tmp/feedwright-feed-bench}
mkdir -p "$BENCH_DIR"

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFEEDWRIGHT_BUILD_TESTS=OFF \
  -DFEEDWRIGHT_BUILD_GUI=OFF >/dev/null
cmake --build "$BUILD_DIR" --target feedwright-cdf >/dev/null
cli="$BUILD_DIR/src/cli/feedwright-cdf"

for mb in ${BENCH_FEED_MB:-100}; do
  feed="$BENCH_DIR/feed-$mb.xml"
  python3 - "$feed" "$mb" <<'PY'
import sys
path, mb = sys.argv[1], int(sys.argv[2])
with open(path, "w", encoding="utf-8") as out:
    out.write('<?xml version="1.0" encoding="UTF-8"?>\n<rss version="2.0"><channel>'
              '<title>Bench</title><link>http://bench.example.com/</link><description>d</description>\n')
    n, size = 0, 0
    while size < mb * 1000 * 1000:
        n += 1
        item = ('<item><title>Item %d &amp; more</title><link>http://bench.example.com/%d</link>'
                '<description><![CDATA[<p>Some <b>text</b> for item %d, as blogs write it.</p>]]></description>'
                '<pubDate>Mon, 03 Jun 2024 07:00:00 GMT</pubDate></item>\n' % (n, n, n))
        out.write(item)
        size += len(item)
    out.write('</channel></rss>\n')
PY
  for limit in "" "--limit 20"; do
    /usr/bin/time -v "$cli" new "$BENCH_DIR/out.cdf" --from-feed "$feed" $limit 2>"$BENCH_DIR/time.log" >/dev/null
    seconds=$(grep "Elapsed (wall clock)" "$BENCH_DIR/time.log" | awk '{print $NF}')
    rss=$(grep "Maximum resident set size" "$BENCH_DIR/time.log" | awk '{print $NF}')
    echo "feed ${mb} MB ${limit:-(all items)}: ${seconds} s, peak ${rss} KB"
  done
done
