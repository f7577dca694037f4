#!/usr/bin/env bash
# The CPU seconds each thread of one run took, read from /proc until it
# ends: whether a table's run is bound by one thread (reading or writing)
# or shared by every core.
#
#   bench/thread_times.sh build-bench/batch/pilaro-batch -q TABLE.csv -o OUT.csv
set -u
"$@" >/dev/null 2>&1 &
pid=$!
declare -A last
while kill -0 "$pid" 2>/dev/null; do
  for task in /proc/"$pid"/task/*; do
    read -r -a fields <"$task/stat" 2>/dev/null || continue
    last[$(basename "$task")]=$((fields[13] + fields[14]))
  done
  sleep 0.05
done
wait "$pid"
hz=$(getconf CLK_TCK)
for thread in "${!last[@]}"; do
  awk -v t="$thread" -v c="${last[$thread]}" -v hz="$hz" 'BEGIN { printf "thread %s: %.2f s of CPU\n", t, c / hz }'
done | sort
