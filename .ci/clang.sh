#!/usr/bin/env bash
# Builds the program and its tests with Debian 12's clang 14 in their own
# build directory and runs the tests, so that clang's warnings fail CI as
# gcc's do. No benchmarks; the Debian package is made and checked by the
# gcc build.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PILARO_CLANG_BUILD:-$root/build-clang}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
  -DPILARO_BUILD_BENCH=OFF -DPILARO_BUILD_PAGE=OFF >/dev/null
ninja -C "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)" \
  --exclude-regex '^package\.'
