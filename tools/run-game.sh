#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/bootstrap.sh"
cmake -S "$here" -B "$here/build" -G Ninja >/dev/null
cmake --build "$here/build" -j "$(nproc)"
if [ -x "$here/build/src/app/ostrel" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$here/build/src/app/ostrel" "$@"
fi
# Without a desktop (or before the window exists) show a short headless game.
exec "$here/build/tools/sim/ostrel-sim" --games 1 --seed 1 --play random --log /dev/stdout "$@"
