#!/usr/bin/env bash
# Runs a command with the virtual radio on COM1: starts radioprog-sim (its
# memory kept in ~/.local/share/radioprog/sim-radio.bin), points COM1 at it
# for this run only (RADIOPROG_PORT_COM1; the user's own port choices stay
# as they are), runs the command, and puts the radio away afterwards.
#   scripts/with_sim.sh build/bin/radioprog
#   scripts/with_sim.sh build/bin/radioprog-cli read --port COM1 -o radio.dat
# RADIOPROG_BIN names another build's bin folder (default: build/bin).
set -euo pipefail
bin=${RADIOPROG_BIN:-$(cd "$(dirname "$0")/.." && pwd)/build/bin}
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS]" >&2; exit 2; }
data=${XDG_DATA_HOME:-$HOME/.local/share}/radioprog
mkdir -p "$data"
link=$(mktemp -u "${TMPDIR:-/tmp}/radioprog-COM1.XXXXXX")
"$bin/radioprog-sim" --memory "$data/sim-radio.bin" --link "$link" >/dev/null &
sim=$!
cleanup() {
  kill "$sim" 2>/dev/null || true
  wait "$sim" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -L "$link" ] && break; sleep 0.05; done
export RADIOPROG_PORT_COM1=$link
echo "virtual radio on COM1 ($link)" >&2
"$@"
