#!/usr/bin/env bash
# Wire benchmark: a full read and a full write against the virtual radio
# paced at 9600 baud, reported as wall time / wire time, where wire time is
# the bytes that crossed the line both ways x 10 bits / 9600. Then the same
# runs unpaced, and paced behind an imitated USB-serial adapter whose
# latency timer holds the radio's answers 16 ms (radioprog-sim --latency 16).
# Each figure is the best of $RUNS runs (default 3). Usage:
# scripts/bench_wire.sh [BUILD_DIR]
#
# Both programs run at real-time priority when allowed (chrt), so that on a
# busy machine the figures show the program's own waits, not the scheduler's.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build}/bin
[ -x "$bin/radioprog-sim" ] && [ -x "$bin/radioprog-cli" ] || {
  echo "build radioprog-sim and radioprog-cli first (cmake --build build)" >&2
  exit 1
}
work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

now() { date +%s.%N; }
rt=()
if command -v chrt >/dev/null && chrt -f 10 true 2>/dev/null; then rt=(chrt -f 10); fi

# run_once MODE PACE [LATENCY_MS]: prints "wall bytes"
run_once() {
  local mode=$1 pace=$2 latency=${3:-0} args=(--memory "$work/mem.bin" --stats)
  [ "$pace" -gt 0 ] && args+=(--pace "$pace")
  [ "$latency" -gt 0 ] && args+=(--latency "$latency")
  "${rt[@]}" "$bin/radioprog-sim" "${args[@]}" >"$work/sim.out" 2>"$work/sim.err" &
  sim_pid=$!
  local dev=
  for _ in $(seq 100); do
    dev=$(head -n1 "$work/sim.out" 2>/dev/null || true)
    [ -n "$dev" ] && break
    sleep 0.05
  done
  local start end
  start=$(now)
  if [ "$mode" = read ]; then
    "${rt[@]}" "$bin/radioprog-cli" read --no-backup --port "$dev" -o "$work/radio.dat" \
      2>"$work/cli.err"
  else
    "${rt[@]}" "$bin/radioprog-cli" write --port "$dev" "$work/radio.dat" 2>"$work/cli.err"
  fi
  end=$(now)
  kill "$sim_pid"
  wait "$sim_pid" || true
  sim_pid=
  local bytes
  bytes=$(sed -n 's/bytes from PC \([0-9]*\), to PC \([0-9]*\)/\1 \2/p' "$work/sim.err" |
          awk '{print $1 + $2}')
  awk -v s="$start" -v e="$end" -v b="$bytes" 'BEGIN { printf "%.3f %d\n", e - s, b }'
}

# best_of MODE PACE [LATENCY_MS]: the fastest of $RUNS runs (default 3), "wall bytes"
best_of() {
  local best= line
  for _ in $(seq "${RUNS:-3}"); do
    line=$(run_once "$1" "$2" "${3:-0}")
    if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best=$line
    fi
  done
  echo "$best"
}

report() {
  local mode=$1 goal=$2 wall bytes
  read -r wall bytes < <(best_of "$mode" 9600)
  awk -v m="$mode" -v w="$wall" -v b="$bytes" -v g="$goal" 'BEGIN {
    wire = b * 10 / 9600
    printf "%-5s paced 9600: %6.3f s wall, %5d bytes, %6.3f s wire, ratio %.3f (goal < %s)\n",
           m, w, b, wire, w / wire, g }'
  read -r wall bytes < <(best_of "$mode" 0)
  printf '%-5s unpaced:    %6.3f s wall\n' "$mode" "$wall"
  read -r wall bytes < <(best_of "$mode" 9600 16)
  awk -v m="$mode" -v w="$wall" -v b="$bytes" 'BEGIN {
    wire = b * 10 / 9600
    printf "%-5s paced 9600, adapter latency 16 ms: %6.3f s wall, ratio %.3f\n", m, w, w / wire }'
  # The program's own hint about the cable, from the last of those runs.
  grep -h "The cable added" "$work/cli.err" || echo "$mode: (no slow-cable hint)"
}

report read 1.10
report write 1.05
