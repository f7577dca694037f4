#!/bin/sh
# The WebAssembly build against the native build: the same generated cases
# (at least 2,000), answered by both, must give byte-identical statuses,
# messages, read-out texts and report lines.
# Usage: engine_parity.sh PARITY_PROGRAM NODE MODULE_JS
set -eu
program=$1 node=$2 module=$3
here=$(dirname "$0")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$program" cases >"$dir/cases.tsv"
count=$(wc -l <"$dir/cases.tsv")
[ "$count" -ge 2000 ] || { echo "only $count cases"; exit 1; }
"$program" run <"$dir/cases.tsv" >"$dir/native.txt"
"$node" "$here/parity_run.mjs" "$module" <"$dir/cases.tsv" >"$dir/wasm.txt"

"$node" "$here/compare_answers.mjs" "$dir/native.txt" "$dir/wasm.txt"
# The cases reach every kind of answer, not only one.
statuses=$(grep -E '^[0-9]+	' "$dir/native.txt" | cut -f2 | sort -u | tr '\n' ' ')
echo "statuses: $statuses"
done=$(grep -cE '^[0-9]+	done	' "$dir/native.txt")
[ "$done" -ge 1500 ] || { echo "only $done cases done"; exit 1; }
[ "$(echo "$statuses" | wc -w)" -ge 12 ] || { echo "too few kinds of answer"; exit 1; }
