#!/usr/bin/env bash
# Builds the program, its libraries, tests and benchmarks with gcc as a
# Release build (-O3, the level the benchmarks and bench/*.sh use) in its
# own build directory and runs the tests, so that the warnings gcc gives
# only when it optimizes that far fail CI as the others do. No browser
# page (its WebAssembly build runs in the main pass); the Debian package
# is made and checked by the main build.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PILARO_RELEASE_BUILD:-$root/build-release}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DPILARO_BUILD_PAGE=OFF >/dev/null
ninja -C "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)" \
  --exclude-regex '^package\.'
