#!/usr/bin/env bash
# Builds SKLADLIB.DLL for 32-bit Windows (build-win32) and proves it under
# wine: the library exports exactly its five undecorated names, and the
# 32-bit caller drives every export on a scratch drive C: and checks the
# files and the stack contract. Needs tools/install-deps.sh --wine.
# Console programs only: no display is used.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

die() { echo "wine-check: FAIL: $*" >&2; exit 1; }

command -v i686-w64-mingw32-g++ >/dev/null || die "i686-w64-mingw32-g++ missing (tools/install-deps.sh --wine)"
command -v wine >/dev/null || die "wine missing (tools/install-deps.sh --wine)"

build=$root/build-win32
bin=$build/bin
echo "wine-check: cross build in $build"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DVORTENA_WITH_QT=OFF -DVORTENA_WITH_TESTS=OFF \
  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$bin" >/dev/null
cmake --build "$build" -j"${WINE_CHECK_JOBS:-2}" --target skladlib skladlib_caller
dll=$(find "$bin" -maxdepth 1 -iname SKLADLIB.DLL | head -n 1)
[ -n "$dll" ] || die "SKLADLIB.DLL was not built in $bin (the skladlib target's Windows name)"

# The export table: exactly the five names, without stdcall decoration.
exports=$(i686-w64-mingw32-objdump -p "$dll" |
  awk '/\[Ordinal\/Name Pointer\] Table/ {t = 1; next} t && /^[ \t]*\[/ {print $NF; next} t && NF == 0 {t = 0}' | sort)
expected=$(printf '%s\n' NajdiSklad PridajSklad PridajSkladyZTextovehoSuboru VymazSklad ZmenSadzbyDPHVKataloguTovarov | sort)
if [ "$exports" != "$expected" ]; then
  echo "exports found:"; echo "$exports"
  die "SKLADLIB.DLL must export exactly: $(echo $expected)"
fi
# Nothing but Windows system DLLs may be needed at load time.
imports=$(i686-w64-mingw32-objdump -p "$dll" | awk '/DLL Name:/ {print toupper($3)}' | sort -u)
for name in $imports; do
  case "$name" in
    KERNEL32.DLL|MSVCRT.DLL|USER32.DLL|ADVAPI32.DLL|API-MS-WIN-*|UCRTBASE.DLL) ;;
    *) die "SKLADLIB.DLL imports $name; link the compiler runtime statically" ;;
  esac
done
echo "wine-check: exports ok: $(echo $exports)"

# A private prefix under /tmp, kept between runs so only the first one pays
# for wineboot. Mono and Gecko are never wanted: their installers would wait
# for a display.
export WINEPREFIX=${WINE_CHECK_PREFIX:-/tmp/vortena-wine-prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
unset DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-check: creating $WINEPREFIX"
  timeout 300 wineboot --init >/dev/null 2>&1 || die "wineboot did not finish"
  timeout 120 wineserver -w || true
fi

scratch=$(mktemp -d /tmp/vortena-wine-drive.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/C" "$scratch/run"
cp "$dll" "$scratch/run/SKLADLIB.DLL"
cp "$bin/skladlib-caller.exe" "$scratch/run/"
# Wine maps the host's / as Z:, so the scratch folder is Z:\tmp\....
export VORTENA_DRIVE_C="Z:${scratch//\//\\}\\C"
echo "wine-check: drive C: is $VORTENA_DRIVE_C"

set +e
(cd "$scratch/C" && timeout 120 wine "$scratch/run/skladlib-caller.exe" </dev/null) >"$scratch/out.txt" 2>&1
rc=$?
set -e
tr -d '\r' <"$scratch/out.txt"
[ "$rc" = 0 ] || die "the caller exited with $rc"
tr -d '\r' <"$scratch/out.txt" | tail -n 1 | grep -qx 'skladlib-caller: ok' ||
  die "the caller did not finish its checks (the library may have ended the process)"
[ ! -e "$scratch/C/CHYBOVNIK.TXT" ] || { cat "$scratch/C/CHYBOVNIK.TXT"; die "the library wrote a journal"; }
echo "wine-check: ok"
