#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every sheet of a design to PNG files, offscreen.
# Usage: scripts/screenshot.sh DESIGN.krx OUT.png
# One sheet gives OUT.png; several give OUT-1.png, OUT-2.png, …
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 DESIGN.krx OUT.png" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh" >/dev/null
QT_QPA_PLATFORM=offscreen "$root/build/karix-shot" "$1" "$2"
