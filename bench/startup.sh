#!/usr/bin/env bash
# Start-up of the main window against a bare Qt Widgets window, under Xvfb.
#
#   bench/startup.sh [runs]        (default 41 runs of each, after one warm-up)
#
# Builds what it needs in build-bench/ (or $PILARO_BENCH_BUILD), starts a
# private Xvfb, and runs the two programs alternately under
# pilaro_first_paint, which times each from just before fork() to the first
# paint of its window (seen from outside, as another X client), the CPU time
# its threads ran until then, and its peak resident size (ru_maxrss, as
# /usr/bin/time -f %M). Prints the medians and the ratios pilaro / bare.
# The time to the first paint is what a user waits on an idle machine;
# the CPU time hardly moves with other work on the machine, but counts
# work done beside the main thread as well.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PILARO_BENCH_BUILD:-$root/build-bench}
runs=${1:-41}

if ! grep -qs 'PILARO_BUILD_WINDOW:BOOL=ON' "$build/CMakeCache.txt"; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPILARO_BUILD_WINDOW=ON \
    -DPILARO_BUILD_TESTS=OFF >/dev/null
fi
ninja -C "$build" -j2 pilaro pilaro_bare_window pilaro_first_paint >/dev/null

probe=$build/bench/pilaro_first_paint
bare=$build/bench/pilaro_bare_window
program=$build/app/pilaro

# A display of our own, with a plain black root, kept up between clients
# (-noreset: an X server resets when its last client leaves).
display=
for n in $(seq 90 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
runtime=$(mktemp -d)
Xvfb ":$display" -screen 0 1280x1024x24 -br -noreset -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$runtime"' EXIT
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$runtime
# Wait until the server answers.
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
xwininfo -root >/dev/null 2>&1 || { cat "$runtime/xvfb.log" >&2; exit 1; }
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI

# One line "paint_ms rss_kib cpu_ms" per run.
measure() {
  local line
  line=$("$probe" "$1") || { echo "$1 did not paint a window" >&2; exit 1; }
  set -- $line
  echo "$2 $3 $4"
}

measure "$bare" >/dev/null # warm-up: page cache, font caches
measure "$program" >/dev/null
: >"$runtime/bare"
: >"$runtime/pilaro"
for i in $(seq "$runs"); do
  # Alternate which goes first, so that neither always follows the other.
  if ((i % 2)); then
    measure "$bare" >>"$runtime/bare"
    measure "$program" >>"$runtime/pilaro"
  else
    measure "$program" >>"$runtime/pilaro"
    measure "$bare" >>"$runtime/bare"
  fi
done

median() { # column of file
  sort -n -k "$1" "$2" | awk -v c="$1" '{ v[NR] = $c } END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

bare_ms=$(median 1 "$runtime/bare")
bare_kib=$(median 2 "$runtime/bare")
bare_cpu=$(median 3 "$runtime/bare")
pilaro_ms=$(median 1 "$runtime/pilaro")
pilaro_kib=$(median 2 "$runtime/pilaro")
pilaro_cpu=$(median 3 "$runtime/pilaro")

echo "Start-up under Xvfb, median of $runs runs each ($(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg))"
printf '%-18s %22s %22s %22s\n' "" "to first paint (ms)" "CPU to first paint (ms)" \
  "peak resident (KiB)"
printf '%-18s %22s %22s %22s\n' "bare Qt window" "$bare_ms" "$bare_cpu" "$bare_kib"
printf '%-18s %22s %22s %22s\n' "pilaro" "$pilaro_ms" "$pilaro_cpu" "$pilaro_kib"
awk -v a="$pilaro_ms" -v b="$bare_ms" -v c="$pilaro_cpu" -v d="$bare_cpu" \
  -v e="$pilaro_kib" -v f="$bare_kib" \
  'BEGIN { printf "%-18s %22.2f %22.2f %22.2f\n", "ratio", a / b, c / d, e / f }'
