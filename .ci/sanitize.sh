#!/usr/bin/env bash
# Builds the whole test suite with gcc under AddressSanitizer and
# UndefinedBehaviorSanitizer in its own build directory and runs it. Any
# sanitizer report ends the test that caused it, and so fails the script.
# Lean on purpose: -O1, no benchmarks, and no browser page (the page's own
# C++ is built and tested natively here; its WebAssembly build and browser
# tests run in the main pass).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PILARO_ASAN_BUILD:-$root/build-asan}
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" \
  -DPILARO_BUILD_BENCH=OFF -DPILARO_BUILD_PAGE=OFF >/dev/null
ninja -C "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
