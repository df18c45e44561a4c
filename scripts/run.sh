#!/usr/bin/env bash
# Builds radioprog and shows its main job: a new radio image, summarised.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"
out=${TMPDIR:-/tmp}/radioprog-new.dat
build/bin/radioprog-cli new -o "$out" --force
build/bin/radioprog-cli info "$out"
