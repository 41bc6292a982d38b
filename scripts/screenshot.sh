#!/usr/bin/env bash
# Renders every sheet of a design to PNG files, offscreen.
# Usage: scripts/screenshot.sh DESIGN.krx OUT.png [BUILD_DIR]
# One sheet gives OUT.png; several give OUT-1.png, OUT-2.png, …
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 DESIGN.krx OUT.png [BUILD_DIR]" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${3:-$root/build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_PROJECT_INCLUDE="$root/cmake/screenshot.cmake" >/dev/null
elif ! grep -q "karix-shot" "$build/build.ninja"; then
  cmake "$build" -DCMAKE_PROJECT_INCLUDE="$root/cmake/screenshot.cmake" >/dev/null
fi
cmake --build "$build" --target karix-shot >/dev/null
QT_QPA_PLATFORM=offscreen "$build/karix-shot" "$1" "$2"
