#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program (see run.sh); kept separate so it runs without a
# rebuild.
#   scripts/demo.sh [karix options] [design.krx]   the program itself
#   scripts/demo.sh                                 a local module simulator on
#       127.0.0.1 running an example design with random inputs, and the
#       program opening a copy of that design whose stored connection settings
#       name the simulator; without a display, a short karix-cli walk-through
#       against the simulator instead.
# The simulator listens on loopback only and stops with the program (or after
# its --duration limit at the latest).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${KARIX_BUILD_DIR:-build}   # where the programs were built

if [ $# -gt 0 ]; then
  exec "$bin/karix" "$@"
fi

require() {
  for program in "$@"; do
    if [ ! -x "$bin/$program" ]; then
      echo "demo: $bin/$program is missing; build first (bash scripts/build.sh)" >&2
      exit 1
    fi
  done
}
# An example with measure counters that passes the design rule check shows
# the most, the counters example first; the check also guards against a log
# directory missing here.
choose_example() {
  local candidate
  for candidate in examples/counters.krx $(grep -l MsrCnt examples/*.krx 2>/dev/null) \
                   examples/*.krx; do
    [ -f "$candidate" ] || continue
    local status=0
    "$bin/karix-cli" check "$candidate" >/dev/null 2>&1 || status=$?
    if [ "$status" -eq 0 ] || [ "$status" -eq 3 ]; then
      echo "$candidate"
      return
    fi
  done
}

workdir=$(mktemp -d)
sim_pid=
stop_simulator() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$workdir"
}
trap stop_simulator EXIT
trap 'exit 130' INT TERM

# Random inputs for the example: beam, detector and a 200 us gate, so that
# its counters count something.
demo_rates=S0=100kHz,S1=20kHz,S2=1kHz,200us

# With an example the simulator holds and runs it, and writes the copy the
# demo opens (design_copy).
start_simulator() {
  local limit=$1
  local design=()
  design_copy=
  if [ -n "$example" ]; then
    design_copy="$workdir/$(basename "$example")"
    design=(--design "$example" --design-copy "$design_copy" --rate "$demo_rates")
  fi
  "$bin/karix-sim" --udp-port 0 --tcp-port 0 --duration "$limit" "${design[@]}" \
    >"$workdir/sim.out" &
  sim_pid=$!
  for _ in $(seq 50); do
    if grep -q 'udp=' "$workdir/sim.out"; then
      udp=$(sed -n 's/.*udp=\([0-9]*\).*/\1/p' "$workdir/sim.out")
      tcp=$(sed -n 's/.*tcp=\([0-9]*\).*/\1/p' "$workdir/sim.out")
      echo "demo: module simulator on 127.0.0.1, UDP $udp, TCP $tcp (pid $sim_pid)"
      return 0
    fi
    if ! kill -0 "$sim_pid" 2>/dev/null; then
      break
    fi
    sleep 0.1
  done
  echo "demo: the module simulator did not start" >&2
  exit 1
}

# Runs one walk-through step, shows it and its exit code; a failing step
# does not end the walk-through.
step() {
  echo
  echo "\$ karix-cli $*"
  local status=0
  "$bin/karix-cli" "$@" || status=$?
  echo "(exit code $status)"
}

walk_through() {
  local module=(-h 127.0.0.1 -u "$udp" -t "$tcp")
  step version "${module[@]}"
  if [ -n "$example" ]; then
    # The copy's stored settings name the simulator: no module options needed.
    step check "$design_copy"
    step compile "$design_copy" -o "$workdir/image.bin"
    echo
    echo "\$ karix-cli compile $design_copy --hex | head -n 8"
    "$bin/karix-cli" compile "$design_copy" --hex | head -n 8 || true
    step download "$design_copy" --force
    step verify "$design_copy"
    step counters "$design_copy" --start 0,1,2,3 --duration 2
  else
    echo "demo: no example design in examples/; only the module commands are shown"
    step counters --start 0 --duration 3 "${module[@]}"
  fi
  step rom list "${module[@]}"
}

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  require karix karix-sim karix-cli
  example=$(choose_example)
  start_simulator 14400
  status=0
  if [ -n "$example" ]; then
    "$bin/karix" "$design_copy" || status=$?
  else
    "$bin/karix" -h 127.0.0.1 -u "$udp" -t "$tcp" || status=$?
  fi
  exit "$status"
fi

echo "demo: no display (neither DISPLAY nor WAYLAND_DISPLAY is set);"
echo "demo: running a karix-cli walk-through against the module simulator instead."
require karix-cli karix-sim
example=$(choose_example)
start_simulator 120
walk_through
echo
echo "demo: done; the simulator stops now."
