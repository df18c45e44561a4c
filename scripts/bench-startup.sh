#!/usr/bin/env bash
# Start-up benchmark of the desktop program: from process start to the main
# window's first paint, no splash. Runs the built program N times (default
# 20) with --benchmark-startup and reports the median of the program's own
# measurement, the median wall time of the whole process (start to exit),
# the processor time it used and the highest peak resident memory. On a busy
# machine the processor time is the steadier figure.
#   scripts/bench-startup.sh [build-dir] [runs]
# Uses the X server in $DISPLAY, else a virtual one (xvfb-run), else Qt's
# offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-20}
program="$build/bin/radioprog"
[ -x "$program" ] || { echo "build $program first" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ] && [ -z "${RADIOPROG_BENCH_INNER:-}" ] && command -v xvfb-run >/dev/null; then
  RADIOPROG_BENCH_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

# A settings store of its own, so the user's is left alone.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

inner=() wall=() cpu=() rss=()
"$program" --benchmark-startup >/dev/null 2>&1  # warm the file cache
for _ in $(seq "$runs"); do
  log=$(mktemp)
  /usr/bin/time -f "wall %e rss %M cpu %U %S" -o "$log.time" "$program" --benchmark-startup >"$log" 2>/dev/null
  inner+=("$(awk '/^startup-ms/ {print $2}' "$log")")
  wall+=("$(awk '/^wall/ {print $2 * 1000}' "$log.time")")
  rss+=("$(awk '/^wall/ {print $4}' "$log.time")")
  cpu+=("$(awk '/^wall/ {print ($6 + $7) * 1000}' "$log.time")")
  rm -f "$log" "$log.time"
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
max() { printf '%s\n' "$@" | sort -n | tail -1; }
echo "platform: ${QT_QPA_PLATFORM:-xcb}, runs: $runs"
echo "start-up to first paint (median): $(median "${inner[@]}") ms"
echo "whole process, start to exit (median): $(median "${wall[@]}") ms"
echo "processor time of the whole process (median): $(median "${cpu[@]}") ms"
echo "load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "peak resident memory (max): $(( $(max "${rss[@]}") / 1024 )) MB"
