#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize: the same in an ASan+UBSan build, then
# the fuzz targets of fuzz/ in a clang build (build-fuzz/), each for a short, fixed time.
# The server's database tests run twice: on SQLite with the rest, then on a throw-away
# PostgreSQL cluster made by pg_virtualenv (which also works as root).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/bootstrap.sh"
build="$here/build"
flags=()
sanitize=false
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=true
  build="$here/build-asan"
  flags=(-DOSTREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S "$here" -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$here/tools/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
if [ -d "$build/tests/server" ]; then
  echo "The server's tests on PostgreSQL:"
  pg_virtualenv ctest --test-dir "$build/tests/server" --output-on-failure -R '/PostgreSQL'
fi

if $sanitize; then
  # libFuzzer comes with clang; only the engine folders the fuzz targets read are built.
  fuzz="$here/build-fuzz"
  CC=clang CXX=clang++ cmake -S "$here" -B "$fuzz" -G Ninja -DOSTREL_FUZZ=ON \
    -DOSTREL_BUILD_APP=OFF \
    -DOSTREL_ONLY="src/game;src/i18n;tools/phrasegen;src/storage;src/pictures;src/packs;src/net;src/lan;src/online;fuzz" \
    >/dev/null
  cmake --build "$fuzz" -j "$(nproc)" --target ostrel_fuzz
  ctest --test-dir "$fuzz" -L fuzz --output-on-failure -j "$(nproc)"
fi
