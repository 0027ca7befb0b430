#!/usr/bin/env bash
# Builds and runs ostrel-server alone, in the foreground (Ctrl-C or SIGTERM stops it).
# Data in ~/.local/share/ostrel-server/ unless --data is given; every other flag goes to the
# server (see ostrel-server --help), e.g. --site-files DIR or --db postgresql://...
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/bootstrap.sh"
build="$here/build-server"
cmake -S "$here" -B "$build" -G Ninja -DOSTREL_BUILD_APP=OFF \
  -DOSTREL_ONLY="src/game;src/online;server" >/dev/null
cmake --build "$build" -j "$(nproc)" --target ostrel-server
args=("$@")
if [[ " ${args[*]} " != *" --data "* ]]; then
  data="${XDG_DATA_HOME:-$HOME/.local/share}/ostrel-server"
  mkdir -p "$data"
  args=(--data "$data" "${args[@]}")
fi
exec "$build/server/ostrel-server" "${args[@]}"
