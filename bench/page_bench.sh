#!/bin/sh
# The browser page against the native build: the engine's run in each
# (the same program, bench/web_run_time.cpp), then the page itself in
# headless Chromium (bench/page_bench.mjs).
# Usage: bench/page_bench.sh [BUILD_DIR]   (after cmake --build BUILD_DIR)
set -eu
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

echo "native engine:"
cmake --build "$build" --target pilaro_web_run_time >/dev/null
"$build/bench/pilaro_web_run_time"

echo "WebAssembly engine (node):"
NODE_PATH=/usr/share/nodejs cmake --build "$build/web-wasm" --target pilaro_web_run_time >/dev/null
node "$build/web-wasm/web/pilaro_web_run_time.js"

echo "the page (headless Chromium):"
node "$here/page_bench.mjs" "$build"
