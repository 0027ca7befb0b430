#!/usr/bin/env bash
# Load figures of ostrel-server on loopback (not a test, not run in CI): 64 connections,
# requests/s and latency of login, rated record read, rating list and photo, on SQLite and on
# a throw-away PostgreSQL side by side, and the server's RSS before and after 100,000 mixed
# requests. Needs wrk and a built server: build-server/server/ostrel-server (tools/run-server.sh
# builds it). Usage: bench/server/run-bench.sh [seconds per figure, default 10]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
bin="${OSTREL_SERVER:-$here/build-server/server/ostrel-server}"
secs="${1:-10}"
lua="$here/bench/server/post.lua"

if [ "${OSTREL_BENCH_INNER:-}" != 1 ]; then
  echo "== SQLite"
  OSTREL_BENCH_INNER=1 OSTREL_BENCH_DB=sqlite "$0" "$secs"
  echo "== PostgreSQL"
  OSTREL_BENCH_INNER=1 OSTREL_BENCH_DB="postgresql://?sslmode=disable" pg_virtualenv "$0" "$secs"
  exit 0
fi

data=$(mktemp -d)
out=$(mktemp)
db_args=()
if [ "$OSTREL_BENCH_DB" != sqlite ]; then db_args=(--db "$OSTREL_BENCH_DB"); fi
"$bin" --data "$data" --http 127.0.0.1:0 --log none "${db_args[@]}" >"$out" &
pid=$!
trap 'kill -TERM $pid 2>/dev/null; wait $pid 2>/dev/null; rm -rf "$data" "$out"' EXIT
for _ in $(seq 1 100); do grep -q listening "$out" && break; sleep 0.1; done
url="http://$(sed -n 's/^listening on //p' "$out")"

register="nick=Bench&pw=bench123&city=Riga&country1=Latvia&country2=1-026&sex=M&email=b@e.nc&dater=01.01.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"
[ "$(curl -s -d "$register" "$url/service/account")" = ok ] || { echo "register failed"; exit 1; }
python3 - "$data/bench.jpg" <<'PY'
import sys
j = b"\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
j += b"\xff\xc0\x00\x11\x08" + (250).to_bytes(2, "big") + (200).to_bytes(2, "big")
j += b"\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01" + b"\x55" * 12000 + b"\xff\xd9"
open(sys.argv[1], "wb").write(j)
PY
curl -s -F nick=Bench -F pw=bench123 -F "photo=@$data/bench.jpg" "$url/photos/" >/dev/null

rss() { awk '/VmRSS/ {print $2 " kB"}' "/proc/$pid/status"; }
figure() {  # name, then wrk's arguments
  local name=$1; shift
  printf '%-18s ' "$name"
  wrk -t2 -c64 -d"${secs}s" --latency "$@" | awk '
    /Requests\/sec/ {rps=$2} /^ +50%/ {p50=$2} /^ +99%/ {p99=$2}
    END {printf "%10s req/s  p50 %8s  p99 %8s\n", rps, p50, p99}'
}
echo "RSS at start: $(rss)"
BODY="nick=Bench&pw=bench123&label0=0" figure login -s "$lua" "$url/service/account"
BODY="nick=Bench&pw=bench123&crddb4best=0" figure "rated record read" -s "$lua" "$url/service/account"
BODY="crddb4kon=0" figure "rating list" -s "$lua" "$url/service/account"
figure photo "$url/photos/Bench.jpg"
echo "RSS after the figures: $(rss)"
# At least 100,000 mixed requests (wrk runs for a time; it says how many it made), then the RSS
# again.
wrk -t2 -c64 -d"$((secs * 3))s" -s "$here/bench/server/mixed.lua" "$url" | sed -n 's/^ *\([0-9]*\) requests in.*/mixed requests: \1/p'
echo "RSS after the mixed requests: $(rss)"
