#!/bin/sh
# Writes docs/window.png: the window after a design run (D=1.2, a=0.05,
# l0=10, Mj=3000, Nj=5000, 25号, Ⅱ级), shot on a virtual X display.
# Needs xvfb (xvfb-run) and xauth. Build directory: $1, default build/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja
fi
cmake --build "$build" --target pilaro_window_screenshot -- -j2

mkdir -p "$root/docs"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 640x480x24" \
    "$build/app/pilaro_window_screenshot" "$root/docs/window.png"
echo "wrote $root/docs/window.png"
