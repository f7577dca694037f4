#!/usr/bin/env bash
# pilaro-batch on a table of 100,000 load cases, CSV to CSV, with every core
# and with one, against the engine's own time for the same runs on one core;
# the same for 100,000 near-axial rows (pile caps under axial load); and the
# peak memory at 10,000 and 100,000 rows, which must not grow with the rows,
# and the peak of the same table piped on standard input against the file's.
#
#   bench/batch_table.sh [rows] [rounds]     (defaults 100000 and 5)
#
# The machine is shared: each round runs the engine alone, --jobs 1 and
# every core one after another, so that a busy spell touches all three
# alike. Two figures come of the rounds: the least time of each, the one
# others disturbed least, and the median of the rounds' own ratios of
# every core to the engine alone, which a spell that touched one run of a
# round and not the other moves least (as the page's benchmark takes its
# ratio).
#
# Builds what it needs in build-bench/ (or $PILARO_BENCH_BUILD); the program
# under test may be another build's ($PILARO_BATCH).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PILARO_BENCH_BUILD:-$root/build-bench}
rows=${1:-100000}
rounds=${2:-5}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPILARO_BUILD_TESTS=OFF >/dev/null
fi
ninja -C "$build" -j2 pilaro-batch pilaro_batch_engine_time >/dev/null
batch=${PILARO_BATCH:-$build/batch/pilaro-batch}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same realistic table as the page's tests and benchmark use.
table() {
  sh "$root/bench/load_case_table.sh" "$1"
}

# Pile caps and short piers under axial load: no moment in a third of the
# rows, else an eccentricity of at most 0.02 D, and Nj from 0.2 to 1.3
# times the axial capacity at a steel ratio of 0.4 to 4 %; designs, and
# checks with 25 mm bars of about that ratio.
nearAxialTable() {
  awk -v rows="$1" 'BEGIN {
    srand(11)
    print "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋"
    split("0.8 1.0 1.2 1.5 1.8 2.0", diameters, " ")
    split("20 25 30 40", concretes, " ")
    split("11000 14500 17500 23000", strengths, " ")
    for (i = 1; i <= rows; i++) {
      D = diameters[int(rand() * 6) + 1]
      c = int(rand() * 4) + 1
      rho = 0.004 + rand() * 0.036
      capacity = 0.95 * 3.1415926 * D * D / 4 * (strengths[c] + rho * 340000) / 1.25
      Nj = int(capacity * (0.2 + rand() * 1.1))
      Mj = rand() < 1 / 3 ? 0 : int(Nj * D * rand() * 0.02 * 10) / 10
      l0 = int(2 + rand() * 4 * D)
      member = "P" (i % 100 + 1)
      if (rand() < 0.5)
        printf "承台%d,%s,配筋计算,%s号,Ⅱ级,%d,%s,%s,0.06,%d,,\n", i, member, concretes[c], Nj, Mj, D, l0
      else
        printf "承台%d,%s,强度校核,%s号,Ⅱ级,%d,%s,%s,0.06,%d,,%dD25\n", i, member, concretes[c], Nj, Mj, D, l0, int(rho * 3.1415926 * D * D / 4 * 10000 / 4.909 + 1)
    }
  }'
}

least() { sort -g | head -n 1; }
median() { sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Wall time and peak memory (KiB) of one run: "seconds peak".
timed() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$batch" "$@" >/dev/null 2>&1 || true
  tail -n 1 "$work/time"
}

# One table: the engine alone, then pilaro-batch with one job and with
# every core, side by side, the least of the rounds.
measure() {
  local name=$1 file=$2
  local engines=() ones=() alls=() onePeaks=() allPeaks=() ratios=() engine one onePeak all allPeak
  for _ in $(seq "$rounds"); do
    engine=$("$build/bench/pilaro_batch_engine_time" "$file")
    engines+=("$(echo "$engine" | sed -E 's/.*: ([0-9.]+) s of CPU.*/\1/')")
    read -r one onePeak < <(timed "$file" -o "$work/out-1.csv" --jobs 1)
    read -r all allPeak < <(timed "$file" -o "$work/out.csv")
    ones+=("$one") onePeaks+=("$onePeak") alls+=("$all") allPeaks+=("$allPeak")
    ratios+=("$(awk -v a="$all" -v e="${engines[-1]}" 'BEGIN { printf "%.3f", a / e }')")
    cmp -s "$work/out-1.csv" "$work/out.csv" || echo "  the outputs of --jobs 1 and every core differ!"
  done
  engine=$(printf '%s\n' "${engines[@]}" | least)
  one=$(printf '%s\n' "${ones[@]}" | least)
  all=$(printf '%s\n' "${alls[@]}" | least)
  echo "$name, least of $rounds rounds: engine alone $engine s of CPU ($(awk -v e="$engine" -v n="$(($(wc -l <"$file") - 1))" 'BEGIN { printf "%.2f", e / n * 1e6 }') us a run)"
  echo "  pilaro-batch --jobs 1:    $one s (peak $(printf '%s\n' "${onePeaks[@]}" | sort -g | tail -n 1) KiB)"
  echo "  pilaro-batch, $(nproc) cores: $all s (peak $(printf '%s\n' "${allPeaks[@]}" | sort -g | tail -n 1) KiB), $(awk -v a="$all" -v e="$engine" 'BEGIN { printf "%.2f", a / e }') x the engine alone"
  echo "  every core against the engine alone, round by round: $(printf '%s ' "${ratios[@]}")(median $(printf '%s\n' "${ratios[@]}" | median) x)"
}

table "$rows" >"$work/table.csv"
table $((rows / 10)) >"$work/small.csv"
nearAxialTable "$rows" >"$work/near.csv"
echo "tables: $rows rows ($(du -h "$work/table.csv" | cut -f1)), near-axial $rows rows"

measure "realistic rows" "$work/table.csv"
measure "near-axial rows" "$work/near.csv"
read -r _ smallPeak < <(timed "$work/small.csv" -o "$work/small-out.csv")
read -r _ fullPeak < <(timed "$work/table.csv" -o "$work/out.csv")
echo "peak memory, every core, side by side: $((rows / 10)) rows $smallPeak KiB, $rows rows $fullPeak KiB"
/usr/bin/time -f '%e %M' -o "$work/time" sh -c "cat '$work/table.csv' | '$batch' - -o '$work/piped.csv'" >/dev/null 2>&1 || true
pipePeak=$(tail -n 1 "$work/time" | cut -d' ' -f2)
cmp -s "$work/out.csv" "$work/piped.csv" || echo "  the outputs from the file and from the pipe differ!"
echo "peak memory from a pipe: $pipePeak KiB, $(awk -v p="$pipePeak" -v f="$fullPeak" 'BEGIN { printf "%.2f", p / f }') x the file's"
