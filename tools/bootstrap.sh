#!/usr/bin/env bash
# Installs every Debian package listed in deps/debian-packages.txt that is not yet installed,
# and generates the comma-decimal locale the storage tests read the files under.
# Safe to run again: when everything is present it only asks dpkg and locale.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
list="$here/deps/debian-packages.txt"
mapfile -t wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' "$list" | grep -v '^$')
missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "bootstrap: generating the locale de_DE.UTF-8"
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
    echo "bootstrap: cannot generate de_DE.UTF-8; the tests that need it will be skipped" >&2
fi
