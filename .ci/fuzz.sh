#!/usr/bin/env bash
# Builds the fuzzers (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in their own build directory and runs each for
# a bounded time, two at a time on the two cores. Any crash, sanitizer
# report, broken property or hang fails the script; the input that caused
# it is left in build-fuzz/findings/<target>/.
#
# PILARO_FUZZ_SECONDS (default 60) sets the time of the engine's fuzzers;
# the table's, whose readers are smaller, get half of it. The corpus each
# fuzzer grows is kept in build-fuzz/work/<target>/ for the next run.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PILARO_FUZZ_BUILD:-$root/build-fuzz}
seconds=${PILARO_FUZZ_SECONDS:-60}
jobs=$(nproc)
# target:seconds, the longest first.
runs=(parse_number:"$seconds" run_calculation:"$seconds" cells:$((seconds / 2))
      input_text:$((seconds / 2)) csv_reader:$((seconds / 2)) csv_round_trip:$((seconds / 2)))

# Every object is instrumented for coverage and the sanitizers; any
# sanitizer report stops the fuzzer with the input that caused it.
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DPILARO_BUILD_FUZZERS=ON \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
ninja -C "$build" -j"$jobs"

# Runs one fuzzer and tells how it ended; fails when it found something.
fuzz() {
  local target=$1 time=$2
  local log=$build/fuzz_$target.log
  mkdir -p "$build/work/$target" "$build/findings/$target"
  # -timeout: one input running this long is a hang; the longest run the
  # solvers allow takes well under a second even with the sanitizers.
  if "$build/tests/fuzz/fuzz_$target" \
    -max_total_time="$time" -timeout=30 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
    "$build/work/$target" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1; then
    local executed
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: ${executed:-?} executions in $time s, no findings"
  else
    echo "fuzz_$target: FAILED; the end of $log:"
    tail -n 60 "$log"
    ls -l "$build/findings/$target/"
    return 1
  fi
}

failed=0
running=0
for run in "${runs[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz "${run%%:*}" "${run##*:}" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
