#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize: the same in an ASan+UBSan build.
# The server's database tests run twice: on SQLite with the rest, then on a throw-away
# PostgreSQL cluster made by pg_virtualenv (which also works as root).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/bootstrap.sh"
build="$here/build"
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$here/build-asan"
  flags=(-DOSTREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S "$here" -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
if [ -d "$build/tests/server" ]; then
  echo "The server's tests on PostgreSQL:"
  pg_virtualenv ctest --test-dir "$build/tests/server" --output-on-failure -R '/PostgreSQL'
fi
