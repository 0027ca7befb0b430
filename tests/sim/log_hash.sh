#!/usr/bin/env bash
# Plays seeded games and compares the whole log with its stored SHA-256: any change of the
# rules, the deal or the computer players' choices shows here first. A deliberate change of
# behaviour stores the new hash with the reason in its commit.
set -euo pipefail
sim=$1
expected=$2
shift 2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$sim" "$@" --log "$dir/run.jsonl" >/dev/null
actual=$(sha256sum "$dir/run.jsonl" | cut -d' ' -f1)
if [ "$actual" != "$expected" ]; then
  echo "the log of '$*' changed: $actual, stored $expected"
  exit 1
fi
