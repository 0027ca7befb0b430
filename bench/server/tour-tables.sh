#!/bin/sh
# Ten tournament tables at once: an ostrel-server on loopback and forty ostrel-sim players who
# register, take their seats and play one game each. Prints the wall time, the games and deals,
# and the CPU seconds the server used. Not run in CI.
#   bench/server/tour-tables.sh BUILD_DIR [--play random|greedy|ai] [--think-ms MS]
set -eu
build=${1:?usage: tour-tables.sh BUILD_DIR [options of tests/sim/tour_games.py]}
shift
here=$(dirname "$0")
exec python3 "$here/../../tests/sim/tour_games.py" "$build/server/ostrel-server" \
  "$build/tools/sim/ostrel-sim" --tables 10 --bench "$@"
