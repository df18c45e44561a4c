#!/usr/bin/env bash
# Sets up, builds and starts the desktop program radioprog with a virtual
# radio (radioprog-sim) on COM1, so Read and Write work without hardware.
# Arguments are passed on (for example a .dat file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target radioprog radioprog-sim radioprog-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "radioprog is a desktop program and no display was found." >&2
  echo "Start it from a desktop session, or on a virtual display:" >&2
  echo "  xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi
exec bash scripts/with_sim.sh build/bin/radioprog "$@"
