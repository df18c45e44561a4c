#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through
# CTest: once with g++ (warnings as errors), once with clang under
# AddressSanitizer + UndefinedBehaviorSanitizer (also warnings as errors),
# then cross-built for Windows and run under Wine (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)

cmake -S . -B build -G Ninja -DRADIOPROG_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DRADIOPROG_SANITIZE=ON -DRADIOPROG_WERROR=ON -DRADIOPROG_BENCHMARKS=OFF -DRADIOPROG_FUZZ=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The same sources cross-built for Windows, their tests run under Wine.
bash scripts/test-windows.sh
