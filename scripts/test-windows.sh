#!/usr/bin/env bash
# Cross-builds radioprog and its tests for 64-bit Windows and runs every
# test that Windows can run through CTest under Wine (offscreen platform).
#   test-windows.sh [BUILD_DIR]   (default build-win)
#
# Left out under Wine (label "posix", not built for Windows), because they
# need parts only POSIX systems have:
#   link_serial_tests     lock files in /var/lock, the Linux serial link over
#                         a pseudo-terminal pair
#   link_cli_e2e_tests    radioprog-sim, the virtual radio on a pseudo-terminal
#   safety_cli_tests      radioprog-sim as well
#   image_posix_tests     .dat saves through symbolic links, onto pipes and
#                         devices, under a file-size limit, file modes
#   cli_tests             radioprog-cli writing to pipes and /dev/full,
#                         XDG folders
#   print_cli_tests       radioprog-cli run through sh with ulimit and links
# The fuzz targets (clang's libFuzzer) and the Debian package test are
# Linux-only too.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-win}")
bash scripts/windows-build.sh "$build"

tools=$build/tools
export WINEPREFIX=$tools/wineprefix
# One Wine server (of this build's own prefix) for the whole run, and the
# prefix made once before the tests start in parallel.
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true' EXIT
scripts/wine-run.sh "$tools" cmd /c exit >/dev/null 2>&1 || true

# Now and then Wine fails to start a program (no output at all) or stalls
# while starting it; such a test runs once more, and a real failure fails
# all three runs.
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -LE posix --repeat until-pass:3
