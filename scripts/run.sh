#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts KaRiX.
#   scripts/run.sh [karix options] [design.krx]
# Without options a local module simulator is started on 127.0.0.1 and the
# program is connected to it; it stops when the program ends. Without a
# display the same chain runs headless through karix-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec bash scripts/demo.sh "$@"
