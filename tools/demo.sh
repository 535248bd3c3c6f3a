#!/usr/bin/env bash
# Starts SPUSTAC on a ready demo installation: installs what is missing,
# builds, makes ./demo-drive when it is not there yet, and runs spustac with
# drive C: mapped to it. Needs a desktop session; without one run it as
#   xvfb-run -a bash tools/demo.sh
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "demo: no desktop session (DISPLAY or WAYLAND_DISPLAY is unset)." >&2
  echo "demo: run it as: xvfb-run -a bash tools/demo.sh" >&2
  exit 1
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target spustac make-demo-drive

drive="$PWD/demo-drive"
if [ ! -d "$drive" ]; then
  build/tools/make-demo-drive/make-demo-drive "$drive"
fi

export VORTENA_DRIVE_C="$drive"
echo "demo: SPUSTAC on drive C: = $drive"
exec build/shell/spustac
