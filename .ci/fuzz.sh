#!/usr/bin/env bash
# Builds the fuzzers (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in their own build directory and runs each for
# a bounded time, both at once on the two cores. Any crash, sanitizer report,
# broken property or hang fails the script; the input that caused it is left
# in build-fuzz/findings/<target>/.
#
# PILARO_FUZZ_SECONDS (default 60) sets each fuzzer's time; the corpus each
# fuzzer grows is kept in build-fuzz/work/<target>/ for the next run.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PILARO_FUZZ_BUILD:-$root/build-fuzz}
seconds=${PILARO_FUZZ_SECONDS:-60}
targets=(parse_number run_calculation)

# Every object is instrumented for coverage and the sanitizers; any
# sanitizer report stops the fuzzer with the input that caused it.
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DPILARO_BUILD_FUZZERS=ON \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
ninja -C "$build" -j"$(nproc)"

pids=()
for target in "${targets[@]}"; do
  mkdir -p "$build/work/$target" "$build/findings/$target"
  # -timeout: one input running this long is a hang; the longest run the
  # solvers allow takes well under a second even with the sanitizers.
  "$build/tests/fuzz/fuzz_$target" \
    -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
    "$build/work/$target" "$root/tests/fuzz/corpus/$target" \
    >"$build/fuzz_$target.log" 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  log=$build/fuzz_$target.log
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: ${runs:-?} executions in ${seconds} s, no findings"
  else
    failed=1
    echo "fuzz_$target: FAILED; the end of $log:"
    tail -n 60 "$log"
    ls -l "$build/findings/$target/"
  fi
done
exit "$failed"
