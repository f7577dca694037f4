#!/usr/bin/env bash
# pilaro-batch on a table of 100,000 load cases, CSV to CSV, against the
# engine's own time for the same runs; and its peak memory at 10,000 and
# 100,000 rows, which must not grow with the rows.
#
#   bench/batch_table.sh [rows]     (default 100000; median of 3 runs)
#
# Builds what it needs in build-bench/ (or $PILARO_BENCH_BUILD).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PILARO_BENCH_BUILD:-$root/build-bench}
rows=${1:-100000}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPILARO_BUILD_TESTS=OFF >/dev/null
fi
ninja -C "$build" -j2 pilaro-batch pilaro_batch_engine_time >/dev/null
batch=$build/batch/pilaro-batch
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same realistic table as the page's tests and benchmark use.
table() {
  sh "$root/bench/load_case_table.sh" "$1"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

table "$rows" >"$work/table.csv"
table $((rows / 10)) >"$work/small.csv"
echo "table: $rows rows, $(du -h "$work/table.csv" | cut -f1)"

times=()
for _ in 1 2 3; do
  /usr/bin/time -f '%e %M' -o "$work/time" "$batch" "$work/table.csv" -o "$work/out.csv" >/dev/null || true
  times+=("$(tail -n 1 "$work/time")")
done
seconds=$(printf '%s\n' "${times[@]}" | cut -d' ' -f1 | median)
peak=$(printf '%s\n' "${times[@]}" | cut -d' ' -f2 | median)
/usr/bin/time -f '%M' -o "$work/time" "$batch" "$work/small.csv" -o "$work/small-out.csv" >/dev/null || true
echo "pilaro-batch, CSV to CSV: $seconds s, peak $peak KiB ($((rows / 10)) rows: $(tail -n 1 "$work/time") KiB)"
echo "engine alone: $("$build/bench/pilaro_batch_engine_time" "$work/table.csv")"
