#!/usr/bin/env bash
# Sets up, builds and starts the program. When no service answers on 127.0.0.1:25680, an
# ostrel-server is started there for the game (data in ~/.local/share/ostrel-server/, the
# site's files -- the built packs, the radio's station list, the songs and our radio station's
# pieces -- in a site folder filled from the build) and stopped when the game closes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/bootstrap.sh"
cmake -S "$here" -B "$here/build" -G Ninja >/dev/null
cmake --build "$here/build" -j "$(nproc)"

site_address=127.0.0.1:25680
server_pid=""
stop_server() {
  if [ -n "$server_pid" ]; then
    kill -TERM "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
}
trap stop_server EXIT

answers() { curl -fsS -m 2 "http://$site_address/healthz" >/dev/null 2>&1; }

if ! answers && [ -x "$here/build/server/ostrel-server" ]; then
  data="${XDG_DATA_HOME:-$HOME/.local/share}/ostrel-server"
  site="$data/site"
  mkdir -p "$site/downloads/progr/cards" "$site/musik"
  # The packs and the station list the build made, and its songs when it made any.
  find "$here/build/src" -maxdepth 1 -type f \( -name '*.dll' -o -name 'TarvoRadio.rad' \) \
    -exec cp -f {} "$site/downloads/progr/cards/" \;
  if [ -d "$here/build/share/musik" ]; then cp -rf "$here/build/share/musik/." "$site/musik/"; fi
  # Our radio station's pieces, streamed at /radio/ostrel.ogg.
  if [ -d "$here/build/share/radio" ]; then
    mkdir -p "$site/radio"
    cp -f "$here/build/share/radio/"*.ogg "$site/radio/"
  fi
  "$here/build/server/ostrel-server" --data "$data" --site-files "$site" \
    --http "$site_address" --log "$data/requests.log" >/dev/null &
  server_pid=$!
  for _ in $(seq 1 50); do
    if answers; then break; fi
    sleep 0.1
  done
fi

if [ -x "$here/build/src/app/ostrel" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "$here/build/src/app/ostrel" --site "http://$site_address" "$@"
  exit $?
fi
# Without a desktop (or before the window exists) show a short headless game.
"$here/build/tools/sim/ostrel-sim" --games 1 --seed 1 --play random --log /dev/stdout "$@"
