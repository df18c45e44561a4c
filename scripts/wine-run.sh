#!/usr/bin/env bash
# Runs a Windows program of the cross-build under Wine, with the Qt and
# MinGW runtime DLLs from TOOLS (see windows-build.sh; Qt finds its
# plug-ins beside its DLLs), in a Wine prefix of its own there, so the
# user's ~/.wine is never touched. CTest uses it as the emulator of every
# test, on the offscreen platform unless WINEQT_QPA_PLATFORM says otherwise.
#   wine-run.sh TOOLS PROGRAM.exe [ARG...]
set -euo pipefail
tools=$1
shift
qt=$tools/qt6-mingw
mingw_gcc=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
export WINEPREFIX=${RADIOPROG_WINEPREFIX:-$tools/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEPATH="$qt/bin;$mingw_gcc;/usr/x86_64-w64-mingw32/lib"
# Wine hands QT_* variables to a program only when they are given as WINEQT_*.
export WINEQT_QPA_PLATFORM=${WINEQT_QPA_PLATFORM:-offscreen}
# Now and then a program under Wine does its work and then never ends. For
# the listing of a test program's tests (which CTest needs before any test
# runs) that would stop the whole run, so the listing is tried again.
if [[ " $* " == *" --gtest_list_tests "* ]]; then
  for _ in 1 2 3; do
    if list=$(timeout -k 5 30 /usr/lib/wine/wine64 "$@"); then
      printf '%s\n' "$list"
      exit 0
    fi
  done
  exit 1
fi
exec /usr/lib/wine/wine64 "$@"
