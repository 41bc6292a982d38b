#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws a first design in the real program under Xvfb, with the mouse as a
# user would: an Input, a PreLogic, a DlyFnc, a PostLogic and a NIM-OUT
# dragged from the palette, the four wires between them drawn from output to
# input, the pre-logic's expression typed into the logic editor opened by a
# double click, saved with Ctrl+S, the program quit with Ctrl+Q. The saved
# document must then compile with `karix-cli compile`, get no other complaint
# from `karix-cli check` than the post-logic left without an expression, and
# hold exactly what was drawn. The last screenshot stays in the artifact folder.
# The program runs on the X server under a window manager (openbox), as a
# user's does, whatever platform the caller had set.
#
# Usage: draw-first-design.sh KARIX KARIX-CLI SOURCE-DIR ARTIFACT-DIR
# Exit 77 (skipped) only when no X server can be started.
set -uo pipefail

karix=$1 cli=$2 source_dir=$3 artifacts=$4
images=$source_dir/resources/images

fail() {
  echo "FAIL: $*" >&2
  # The screen as the failure left it, to see what went wrong.
  [ "${KARIX_SCENARIO_INSIDE:-}" = 1 ] && import -window root "$artifacts/failure.png"
  exit 1
}
for tool in xvfb-run xdotool import openbox; do
  command -v "$tool" > /dev/null || fail "$tool is missing: run scripts/install-deps.sh"
done

# Inside the X server: the scenario itself.
if [ "${KARIX_SCENARIO_INSIDE:-}" != 1 ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  if ! xvfb-run -a -s "-screen 0 1600x1200x24" true 2> "$work/xvfb.log"; then
    echo "SKIP: Xvfb cannot start here: $(tail -n 1 "$work/xvfb.log")"
    exit 77
  fi
  KARIX_SCENARIO_INSIDE=1 KARIX_WORK=$work timeout 150 \
    xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0" "$@"
  status=$?
  [ "$status" = 124 ] && echo "FAIL: the scenario did not end within 150 s" >&2
  exit "$status"
fi

work=$KARIX_WORK
mkdir -p "$artifacts"
export QT_QPA_PLATFORM=xcb
# Whatever ends the scenario, a failure included, ends what it started.
started=()
stop_started() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2> /dev/null; done
}
trap stop_started EXIT
openbox > "$work/openbox.log" 2>&1 &
started+=($!)
sleep 0.5
design=$work/first.krx
layout=$work/layout.txt
# A home of its own: no stored window geometry, recent files or recovery
# files of the user; the window opens large enough to show a whole sheet.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$XDG_CONFIG_HOME/Quorvex"
printf '[mainwindow]\ngeometry=@Rect(9 36 1500 1150)\n' > "$XDG_CONFIG_HOME/Quorvex/KaRiX.conf"

cat > "$design" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<KaRiX addr="127.0.0.1" tcpPort="24" udpPort="4660" Timeout="1" autoConnect="false">
    <tab id="0" name="Sheet1">
    </tab>
</KaRiX>
XML

KARIX_LAYOUT_FILE=$layout "$karix" "$design" > "$work/karix.log" 2>&1 &
karix_pid=$!
started+=("$karix_pid")
for _ in $(seq 100); do [ -s "$layout" ] && break; sleep 0.1; done
[ -s "$layout" ] || fail "the program did not show its window: $(cat "$work/karix.log")"
# The layout is written again as the window manager places the window.
sleep 1
# The window is titled with the design's path; the keyboard focus is sent
# back to it after a dialog rather than left to the window manager's choice.
main_window=$(xdotool search --onlyvisible --name "first.krx - KaRiX" | head -n 1)
[ -n "$main_window" ] || fail "no window titled with the design's name"

where() { awk -v name="$1" '$1 == name { print $2, $3 }' "$layout"; }
read -r cx cy < <(where canvas)
# Width and height of a block picture, from its PNG header.
picture_size() {
  local bytes
  read -r -a bytes < <(od -An -tu1 -j16 -N8 "$images/$1.png")
  echo $(((bytes[2] << 8) + bytes[3])) $(((bytes[6] << 8) + bytes[7]))
}

# One mouse gesture from screen point (x1, y1) to (x2, y2), in steps slow
# enough for the drag to see every motion.
drag() {
  xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool mousedown 1; sleep 0.4
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.3
  xdotool mousemove "$3" "$4"; sleep 0.3
  xdotool mousemove $(($3 + 1)) "$4"; sleep 0.3
  xdotool mouseup 1; sleep 0.6
}

# Palette drops land in the lowest free row of their column, wherever they
# are dropped on the sheet: row 0 of each column here.
for kind in Input PreLogic DlyFnc PostLogic NIM-OUT; do
  read -r px py < <(where "palette.$kind")
  [ -n "$px" ] || fail "no palette item $kind in the layout report"
  drag "$px" "$py" $((cx + 330)) $((cy + 700))
done

# Row 0 positions of the columns (x, y of the picture's top-left corner).
read -r in_w in_h < <(picture_size label-IN)
read -r pre_w pre_h < <(picture_size PreLgc)
read -r fn_w fn_h < <(picture_size Function)
read -r post_w post_h < <(picture_size PstLgc)
# A wire starts within 10 px left of the source's output point and ends on
# the destination: pre-logic and post-logic blocks anywhere on them, the
# function within 29 px of its top, the output just below its top.
wire() { # source x, y, w, h; drop x, y (canvas pixels)
  drag $((cx + $1 + $3 - 4)) $((cy + $2 + $4 / 2)) $((cx + $5)) $((cy + $6))
}
wire 0 104 "$in_w" "$in_h" 160 120
wire 142 90 "$pre_w" "$pre_h" 300 112
wire 284 104 "$fn_w" "$fn_h" 440 120
wire 425 90 "$post_w" "$post_h" 580 112

# The pre-logic's expression, typed into the logic editor that a double click
# on the block opens (titled with the block's name).
xdotool mousemove $((cx + 142 + pre_w / 2)) $((cy + 90 + pre_h / 2)); sleep 0.3
xdotool click --repeat 2 --delay 80 1; sleep 0.5
editor=
for _ in $(seq 20); do
  editor=$(xdotool search --onlyvisible --name '^PreLgc0$' | head -n 1)
  [ -n "$editor" ] && break
  sleep 0.2
done
[ -n "$editor" ] || fail "a double click on PreLgc0 opened no logic editor"
# Into the expression field, then onto OK (left of Cancel at the bottom
# right), in the editor's own coordinates: the position a window manager
# reports for a decorated window need not be that of its contents.
xdotool mousemove --window "$editor" 300 180 click 1; sleep 0.3
xdotool type --delay 60 '_A'; sleep 0.3
xdotool mousemove --window "$editor" 960 286 click 1; sleep 0.6
xdotool search --onlyvisible --name '^PreLgc0$' > /dev/null \
  && fail "the logic editor stayed open after OK"
xdotool windowfocus --sync "$main_window"; sleep 0.3

xdotool key ctrl+s; sleep 1
import -window root -crop 1500x1150+0+0 "$artifacts/draw-first-design.png"
# The drawn part of the sheet alone, as the README shows it.
import -window root -crop 780x200+$((cx))+$((cy)) "$artifacts/drawn-sheet.png"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$karix_pid" 2> /dev/null || break; sleep 0.1; done
if kill -0 "$karix_pid" 2> /dev/null; then
  kill "$karix_pid"
  fail "the program did not quit on Ctrl+Q"
fi
cp "$design" "$artifacts/first.krx"

# The post-logic's expression is left unset: the check reports exactly that
# block, nothing else.
"$cli" check "$design" > "$artifacts/check.txt" 2>&1
expected_report='error: PstLgc0 is unconfigured.'
[ "$(cat "$artifacts/check.txt")" = "$expected_report" ] \
  || fail "karix-cli check reported: $(cat "$artifacts/check.txt")"
grep -q '<property>_A</property>' "$design" || fail "the typed expression _A was not saved"
"$cli" compile "$design" -o "$work/image.bin" || fail "karix-cli compile failed"
[ "$(stat -c %s "$work/image.bin")" = 8292 ] || fail "the register image is not 8292 bytes"

# Blocks as "term name" and wires as "destination port source", sorted.
blocks=$(sed -n 's/.*<entry term="\([^"]*\)">.*/\1/p' "$design" | sort | tr '\n' ' ')
expected_blocks="DlyFnc Input NIM-OUT0 PostLogic PreLogic "
[ "$blocks" = "$expected_blocks" ] || fail "blocks: '$blocks', drawn: '$expected_blocks'"
wires=$(awk '/<name>/ { gsub(/.*<name>|<\/name>.*/, ""); name = $0 }
             /<net port=/ { port = $0; sub(/.*port="/, "", port); sub(/".*/, "", port);
                            src = $0; sub(/.*">/, "", src); sub(/<.*/, "", src);
                            print name, port, src }' "$design" | sort | tr '\n' ';')
expected_wires="DlyFnc0 0 PreLgc0;NIM-OUT0 0 PstLgc0;PreLgc0 0 NIM-IN-S0;PstLgc0 0 DlyFnc0;"
[ "$wires" = "$expected_wires" ] || fail "wires: '$wires', drawn: '$expected_wires'"
echo "PASS: drew, saved, checked and compiled $blocks with wires $wires"
