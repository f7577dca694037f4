// Compares the native and the WebAssembly answers case by case.
//   node compare_answers.mjs NATIVE WASM
// Every case must be byte-identical: statuses, messages, read-out texts and
// report lines. (The top of the N-M curve, where the eccentricity is flat to
// its last bits near ξ = 1.5 and the C libraries of the two builds round sin,
// cos and atan differently, is reported at ξ = 1.5 by both.)
import { readFileSync } from 'node:fs';

function cases(file) {
  const byNumber = new Map();
  let current = null;
  for (const line of readFileSync(file, 'utf8').split('\n')) {
    const start = /^(\d+)\t/.exec(line);
    if (start) byNumber.set(start[1], (current = []));
    if (current) current.push(line);
  }
  return byNumber;
}

const native = cases(process.argv[2]);
const wasm = cases(process.argv[3]);
let failed = native.size !== wasm.size || native.size === 0;
let differ = 0;
for (const [n, lines] of native) {
  const other = wasm.get(n) ?? [];
  if (lines.join('\n') === other.join('\n')) continue;
  failed = true;
  ++differ;
  console.log(`case ${n} differs:`);
  const length = Math.max(lines.length, other.length);
  for (let i = 0; i < length; ++i)
    if (lines[i] !== other[i]) console.log(`  native: ${lines[i]}\n  wasm:   ${other[i]}`);
}
console.log(`${native.size} cases; ${native.size - differ} byte-identical, ${differ} differing`);
process.exit(failed ? 1 : 0);
