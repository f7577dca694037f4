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

# Piers and piles of 0.8 to 2.0 m under realistic loads: designs, and
# checks with bars of the bar table, from a fixed seed; 100 members
# whatever the rows, so that the peak memory shows the rows alone.
table() {
  awk -v rows="$1" 'BEGIN {
    srand(7)
    print "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋"
    split("0.8 1.0 1.2 1.5 1.8 2.0", diameters, " ")
    split("20 25 30 40", concretes, " ")
    split("20 22 25 28 32", bars, " ")
    for (i = 1; i <= rows; i++) {
      D = diameters[int(rand() * 6) + 1]
      Nj = int(1000 + rand() * 9000 * D * D)
      Mj = int(Nj * D * (0.05 + rand() * 0.4))
      l0 = int(4 + rand() * 12 * D)
      member = "P" (i % 100 + 1)
      if (rand() < 0.5)
        printf "组合%d,%s,配筋计算,%s号,Ⅱ级,%d,%d,%s,0.06,%d,,\n", i, member, concretes[int(rand() * 4) + 1], Nj, Mj, D, l0
      else
        printf "组合%d,%s,强度校核,%s号,Ⅱ级,%d,%d,%s,0.06,%d,,%dD%s\n", i, member, concretes[int(rand() * 4) + 1], Nj, Mj, D, l0, int(12 + rand() * 30 * D), bars[int(rand() * 5) + 1]
    }
  }'
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
