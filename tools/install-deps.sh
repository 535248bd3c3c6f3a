#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# Runs as root (or through sudo when it is there). Extra package sets:
#   tools/install-deps.sh           build, tests, benchmark
#   tools/install-deps.sh --wine    also the 32-bit Windows cross build and wine
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libsqlite3-dev xvfb xauth)
wine=0
for arg in "$@"; do
  case "$arg" in
    --wine) wine=1 ;;
    *) echo "install-deps: unknown option $arg" >&2; exit 2 ;;
  esac
done
if [ "$wine" = 1 ]; then
  packages+=(g++-mingw-w64-i686 wine wine32)
fi

sudo_cmd=()
if [ "$(id -u)" != 0 ]; then sudo_cmd=(sudo); fi

if [ "$wine" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ] || [ "${need_update:-0}" = 1 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  [ "${#missing[@]}" -gt 0 ] && "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
exit 0
