#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures (once) and builds everything into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
if ! cmake --build build -j "$(nproc)"; then
  # Sources added since the last build can leave the moc step believing it
  # is up to date; make it rescan once before giving up.
  echo "Build failed; rescanning for moc and retrying once." >&2
  find build -path '*_autogen/timestamp' -delete
  cmake build >/dev/null
  cmake --build build -j "$(nproc)"
fi
