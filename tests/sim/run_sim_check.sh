#!/usr/bin/env bash
# Plays games with ostrel-sim and checks the log with the independent rules checker; then
# makes sure the checker notices a log that was tampered with.
set -euo pipefail
sim=$1
shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$sim" "$@" --log "$dir/run.jsonl"
python3 "$(dirname "$0")/check_log.py" "$dir/run.jsonl"
# One trick worth a point more than its cards must be caught.
sed '0,/"event":"trick","trick":1,"winner":\([0-9]\),"points":\([0-9]*\)}/s//"event":"trick","trick":1,"winner":\1,"points":1\2}/' \
  "$dir/run.jsonl" > "$dir/bad.jsonl"
if cmp -s "$dir/run.jsonl" "$dir/bad.jsonl"; then
  echo "the tampering found nothing to change"; exit 1
fi
if python3 "$(dirname "$0")/check_log.py" "$dir/bad.jsonl" >/dev/null; then
  echo "the checker accepted a tampered log"; exit 1
fi
