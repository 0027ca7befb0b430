#!/usr/bin/env bash
# Runs one libFuzzer target for a fixed time over its seeds, without writing into the seed
# folder: libFuzzer adds what it finds to the first folder it is given, here a temporary one.
#   run-fuzz.sh TARGET SEED_FOLDER SECONDS RSS_MB ARTIFACT_PREFIX [RANDOM_SEED]
set -euo pipefail
target=$1 seeds=$2 seconds=$3 rss=$4 artifacts=$5 seed=${6:-0}
work=$(mktemp -d "${TMPDIR:-/tmp}/ostrel-fuzz-XXXXXX")
trap 'rm -rf "$work"' EXIT
# halt_on_error: the first fault ends the run with a failure; leaks count as faults too.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:halt_on_error=1:print_stacktrace=1"
exec "$target" "$work" "$seeds" -max_total_time="$seconds" -rss_limit_mb="$rss" -timeout=10 \
  -artifact_prefix="$artifacts" -print_final_stats=1 -seed="$seed"
