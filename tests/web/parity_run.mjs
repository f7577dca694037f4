// The WebAssembly side of the parity of the two builds: answers the cases
// on standard input through the module, with the calls the page makes, and
// writes what parity_main.cpp writes for them.
//   node parity_run.mjs pilaro_module.js < CASES
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

import { plain } from '../../web/page/module_values.js';

const modulePath = resolve(process.argv[2]);
const createPilaroModule = createRequire(import.meta.url)(modulePath);
const pilaro = await createPilaroModule({
  wasmBinary: readFileSync(modulePath.replace(/\.js$/, '.wasm')),
});

const fields = ['txtnj', 'txtmj', 'txtzd', 'txtbc', 'txtlj', 'txtag1'];
// One width unit per character at 10 points, as the native side measures.
const characterWidth = (text, pointSize) => ([...text].length * pointSize) / 10;

const out = [];
let state = new pilaro.State();
// What the lists show: the entry last put in, kept until another is.
let shown = { cbohnt: '', cbogj: '' };
const lines = readFileSync(0, 'utf8').split('\n');
if (lines.at(-1) === '') lines.pop();
lines.forEach((line, index) => {
  const n = index + 1;
  const cells = line.split('\t');
  if (cells.length !== 4 + fields.length) throw new Error(`case ${n}: ${cells.length} cells`);
  if (cells[0] === '1') {
    state.delete();
    state = new pilaro.State();
    shown = { cbohnt: '', cbogj: '' };
  }
  if (cells[1]) pilaro.choose(state, cells[1]);
  if (cells[2]) pilaro.pick(state, 'cbohnt', (shown.cbohnt = cells[2]));
  if (cells[3]) pilaro.pick(state, 'cbogj', (shown.cbogj = cells[3]));
  const texts = { ...shown, ...Object.fromEntries(fields.map((name, i) => [name, cells[4 + i]])) };
  const outcome = plain(pilaro.run(state, texts));
  out.push(`${n}\t${outcome.status}\t${outcome.message}\n`);
  for (const readOut of outcome.readOuts) out.push(`${readOut.field}\t${readOut.text}\n`);
  const report = plain(pilaro.report(state, n % 2 === 0 ? 1000 : 80, characterWidth));
  out.push(`report ${report.pointSize.toFixed(6)}\n`);
  for (const placed of report.lines)
    out.push(`${placed.map((run) => `${run.x.toFixed(3)}\t${run.text}\t`).join('')}\n`);
});
process.stdout.write(out.join(''));
