#!/usr/bin/env bash
# Runs every libFuzzer target for longer than the test pass does, one at a
# time, and prints the executions of each.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (default: 60 seconds, every target)
#
# Builds its own tree (build-fuzz: clang, optimised, AddressSanitizer and
# UndefinedBehaviorSanitizer, no desktop program) unless FUZZ_BUILD names
# another one configured with -DRADIOPROG_FUZZ=ON. Each target starts from
# its seeds in a scratch corpus, so the repository's corpora stay as they
# are; an input that breaks an invariant is kept in <tree>/fuzz-findings/
# and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build=${FUZZ_BUILD:-build-fuzz}

if [[ ! -f $build/build.ninja ]]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRADIOPROG_SANITIZE=ON -DRADIOPROG_BENCHMARKS=OFF -DRADIOPROG_GUI=OFF -DRADIOPROG_FUZZ=ON
fi
list=$build/tests/fuzz-targets.txt
[[ -f $list ]] || { echo "no fuzz targets: configure $build with -DRADIOPROG_FUZZ=ON" >&2; exit 2; }
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  mapfile -t targets < <(cut -d'|' -f1 "$list")
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

findings=$PWD/$build/fuzz-findings
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
printf '%-22s %8s %12s %10s  %s\n' target seconds executions 'exec/s' result
for target in "${targets[@]}"; do
  line=$(grep "^$target|" "$list") || { echo "unknown target $target" >&2; exit 2; }
  IFS='|' read -r _ args seeds <<<"$line"
  # The test pass's own limits give way to the time asked for.
  options=()
  for a in $args; do
    case $a in -runs=* | -max_total_time=*) ;; *) options+=("$a") ;; esac
  done
  corpus=$scratch/$target
  mkdir -p "$corpus"
  for s in $seeds; do cp "$s" "$corpus/"; done
  log=$scratch/$target.log
  result=ok
  if ! "$build/tests/$target" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1; then
    result="FAILED (see $findings)"
    tail -n 30 "$log" >&2
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  printf '%-22s %8s %12s %10s  %s\n' "$target" "${time:--}" "${runs:-?}" "${rate:-?}" "$result"
done
exit $status
