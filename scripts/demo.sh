#!/usr/bin/env bash
# Starts the built program (see run.sh). Kept separate so it can be run
# without rebuilding.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build
if [ $# -gt 0 ]; then
  exec "$bin/karix" "$@"
fi
if [ ! -x "$bin/karix-sim" ]; then
  exec "$bin/karix"
fi
exec "$bin/karix"
