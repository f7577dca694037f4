// The page's tables against pilaro-batch: each table is read as the page
// reads it (its bytes' encoding from the module, papaparse through the
// page's own table_records.js) and run by the WebAssembly module under
// node, and its CSV output and summary must be pilaro-batch's byte for
// byte, its rows shown the CSV's cells as typed, its workbook
// pilaro-batch's (filter included), the same again where a helper ran the
// engine on most rows, and a refused table must give pilaro-batch's
// message. The tables:
// the example, 2,000 realistic rows, and 2,000 awkward ones (aliases, cells
// that are no numbers, bars, blank and quoted lines, stray cells, markup,
// formulas, near-axial loads), the example of the current code beside the
// archived method, 2,000 awkward rows of both methods (grades of either and
// of both, γ0 allowed and not, slender members, bars the current code lacks),
// and headers that are refused.
//   node table_parity.mjs MODULE_JS NODE_MODULES PILARO_BATCH EXAMPLE LOAD_CASE_TABLE
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { test } from 'node:test';

import { plain } from '../../web/page/module_values.js';
import { recordsOf } from '../../web/page/table_records.js';
import { sheetOf } from './workbook_cells.mjs';

const [modulePath, nodeModules, batch, example, loadCaseTable] = process.argv.slice(2);
const required = createRequire(join(resolve(nodeModules), 'noop.js'));
const Papa = required('papaparse');
const ExcelJS = required('exceljs');
const { zipSync } = required('fflate');
const createPilaroModule = createRequire(import.meta.url)(resolve(modulePath));
const wasmBinary = readFileSync(resolve(modulePath).replace(/\.js$/, '.wasm'));
const pilaro = await createPilaroModule({ wasmBinary });
// A second instance, as the page's helper worker has: it runs the engine
// on the rows past the first few, and the first writes them from its
// answers.
const helper = await createPilaroModule({ wasmBinary });
const work = mkdtempSync(join(tmpdir(), 'pilaro-table-parity-'));

// As the page's worker runs a file: its encoding and separator from the
// module, papaparse through the page's own table_records.js, a few rows at
// a time; the rows as the page shows them, the CSV, the summary and the
// workbook's parts. Helped, the rows past the first 20 are written from
// the helper's answers, 32 rows at a time, for the records the helper
// opened from the table's.
function page(bytes, helped = false) {
  const text = new TextDecoder(pilaro.tableEncoding(bytes)).decode(bytes);
  const records = recordsOf(Papa, text, pilaro.tableSeparator(text.slice(0, 1 << 16)));
  if (records.unclosedAt) return { refusal: pilaro.unclosedQuote(records.unclosedAt) };
  const opening = plain(pilaro.openTable({
    cells: records.bytes, cellLengths: records.lengths, recordCells: records.counts, lines: records.lines,
  }));
  if (opening.refusal) return { refusal: opening.refusal };
  const shown = [];
  if (helped) assert.equal(plain(helper.openTable(plain(pilaro.tableRecords()))).rowCount, opening.rowCount);
  for (let run = 0; run < opening.rowCount;) {
    const rows = plain(
      helped && run >= 20 ? pilaro.takeTableRows(helper.tableAnswers(run, 32)) : pilaro.runTableRows(helped ? 20 : 97),
    );
    if (helped) assert.ok(rows.rowsRun > run);
    const count = opening.columns.length;
    for (let k = 0; k < rows.marks.length; ++k) {
      const row = [];
      for (let c = 0; c < count; ++c) {
        const at = k * count + c;
        row.push(rows.cells.slice(at === 0 ? 0 : rows.cellEnds[at - 1], rows.cellEnds[at]));
      }
      shown.push(row);
    }
    run = rows.rowsRun;
  }
  const end = plain(pilaro.tableEnd());
  return {
    csv: Buffer.from(end.csv), summary: end.summary, shown, columns: opening.columns,
    workbook: zipSync(Object.fromEntries(plain(pilaro.tableWorkbook()).map((p) => [p.name, p.bytes]))),
  };
}

// pilaro-batch's workbook of the same table.
function pilaroBatchWorkbook(bytes) {
  const input = join(work, 'table.csv');
  writeFileSync(input, bytes);
  try {
    execFileSync(batch, [input, '-o', join(work, 'out.xlsx')], { stdio: 'ignore' });
  } catch (failed) {
    if (failed.status !== 1 && failed.status !== 3) throw failed; // some check fails, some row has no result
  }
  return join(work, 'out.xlsx');
}

// The cells the page should show of pilaro-batch's CSV: every cell as
// typed, where the CSV guards a formula-like one with an apostrophe (no
// table below types an apostrophe of its own), but for the message, which
// the page tells in Chinese.
function shownOfCsv(csv, message) {
  const rows = Papa.parse(csv.toString('utf8').replace(/^\uFEFF/, ''), { delimiter: ',' }).data;
  if (rows.at(-1).length === 1 && rows.at(-1)[0] === '') rows.pop();
  const typed = (cell) => (/^'[=+\-@\t\r]/.test(cell) ? cell.slice(1) : cell);
  return rows.slice(1).map((row) => row.map((cell, k) => (k === message ? null : typed(cell))));
}

function pilaroBatch(bytes) {
  const input = join(work, 'table.csv');
  writeFileSync(input, bytes);
  try {
    const summary = execFileSync(batch, [input, '-o', join(work, 'out.csv')], { stdio: ['ignore', 'pipe', 'pipe'] });
    return { csv: readFileSync(join(work, 'out.csv')), summary: summary.toString() };
  } catch (failed) {
    // The message that stopped the run comes last.
    if (failed.status === 2)
      return { refusal: failed.stderr.toString().trim().split('\n').at(-1).replace(/^pilaro-batch: /, '') };
    return { csv: readFileSync(join(work, 'out.csv')), summary: failed.stdout.toString() };
  }
}

// The lines that differ.
function differences(native, wasm) {
  const lines = (csv) => csv.toString('utf8').split('\r\n');
  const [a, b] = [lines(native), lines(wasm)];
  const differing = [];
  for (let i = 0; i < Math.max(a.length, b.length); ++i)
    if (a[i] !== b[i]) differing.push(`native: ${a[i]}\nwasm:   ${b[i]}`);
  return differing;
}

// A fixed sequence of draws.
function draws(seed) {
  let s = seed;
  const next = () => {
    s = (s + 0x6d2b79f5) | 0;
    let t = Math.imul(s ^ (s >>> 15), 1 | s);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return { real: (low, high) => low + next() * (high - low), pick: (list) => list[Math.floor(next() * list.length)] };
}

const quoted = (cell) => (/[",\n\r]/.test(cell) || /^[ \t]|[ \t]$/.test(cell) ? `"${cell.replaceAll('"', '""')}"` : cell);

function awkwardTable(rows) {
  const d = draws(2024);
  const header = ['Name', 'MEMBER', 'type', 'concrete', 'steel', 'nj', 'Mj', 'D', 'a', 'L0', 'ag', 'Bars'];
  const lines = [header.join(',')];
  const names = ['恒载', '恒载+汽车, 降温', '<img src=x onerror=alert(1)>', '=HYPERLINK("x")', '+1', '-5', '@sum', '', 'two\nlines', 'say "hi"'];
  const numbers = (v) => d.pick([v, v, v, v, v, ` ${v} `, '', '2,450', `${v}kN`, '1e400', '+' + v, '.5', '1E3']);
  for (let i = 0; i < rows; ++i) {
    const D = d.pick([0.8, 1, 1.2, 1.5, 2]);
    const nj = Math.round(d.real(300, 9000 * D * D));
    const nearAxial = d.real(0, 1) < 0.1;
    const mj = nearAxial ? d.pick([0, (nj * D * d.real(0, 0.03)).toFixed(3)]) : (nj * D * d.real(0.05, 0.6)).toFixed(1);
    const check = d.real(0, 1) < 0.5;
    const bars = check ? d.pick(['24D28', '24Φ28', '12D28+12D25', '30d25', '24D29', '', '']) : '';
    const area = check && !bars ? d.pick(['147.792', '80', '0', '-3', 'x']) : d.pick(['', '', '', '50']);
    const cells = [
      d.pick(names) + (d.real(0, 1) < 0.5 ? String(i) : ''),
      d.pick(['P1', 'P2', '桥墩 3', '', '<b>P4</b>']),
      check ? d.pick(['强度校核', 'check', 'CHECK', ' 强度校核 ']) : d.pick(['配筋计算', 'design', 'Design', '设计']),
      d.pick(['25号', '25', '30号', '40', '15号', '70']),
      d.pick(['Ⅱ级', 'II', 'ii级', '2', '5号', '5', 'Ⅵ']),
      numbers(String(nj)),
      numbers(String(mj)),
      numbers(String(D)),
      numbers('0.06'),
      numbers(String(Math.round(d.real(0, 14 * D)))),
      area,
      bars,
    ];
    if (d.real(0, 1) < 0.02) cells.push('stray');
    lines.push(cells.map(quoted).join(','));
    if (d.real(0, 1) < 0.03) lines.push(d.pick(['', ' , ,', '\t']));
  }
  return Buffer.from(`${lines.join(d.real(0, 1) < 0.5 ? '\r\n' : '\n')}\n`);
}

// Rows of the current code (JTG 3362-2018) among the archived method's,
// with the γ0 column.
function bothMethodsTable(rows) {
  const d = draws(3362);
  const lines = ['名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋,γ0'];
  for (let i = 0; i < rows; ++i) {
    const D = d.pick([0.8, 1, 1.2, 1.5, 2]);
    const current = d.real(0, 1) < 0.7;
    const nj = Math.round(d.real(300, 15000 * D * D));
    const mj = d.real(0, 1) < 0.1 ? 0 : (nj * D * d.real(0, 1.5)).toFixed(1);
    const check = d.real(0, 1) < 0.5;
    const bars = check ? d.pick(['24D28', '32D32', '12D28+12D25', '6D28', '24D34', '40D40', '']) : '';
    const area = check && !bars ? d.pick(['147.792', '80', '0', '-3', '200000']) : '';
    lines.push([
      `case ${i}`,
      d.pick(['P1', 'P2', 'P3']),
      check ? '强度校核' : '配筋计算',
      current ? d.pick(['C25', 'C30', 'c40', 'C50', 'C80', 'C90']) : d.pick(['25号', '30', 'C30']),
      current ? d.pick(['HPB300', 'HRB400', 'hrb500', 'RRB400', 'HRBF400', 'Ⅱ级']) : d.pick(['Ⅱ级', '5号', 'HRB400']),
      String(nj),
      String(mj),
      String(D),
      d.pick(['0.05', '0.06', '0.6']),
      String(Math.round(d.real(0, 50 * D))),
      area,
      bars,
      d.pick(['', '', '1.1', '1.0', '0.9', '0.95', '1', 'x']),
    ].join(','));
  }
  return Buffer.from(`${lines.join('\r\n')}\r\n`);
}

test('tables run in the page as pilaro-batch runs them', async (t) => {
  t.after(() => rmSync(work, { recursive: true, force: true }));
  const tables = {
    example: readFileSync(example),
    realistic: execFileSync('sh', [loadCaseTable, '2000']),
    awkward: awkwardTable(2000),
    'with a byte-order mark, no member column': Buffer.from(
      `\uFEFF${readFileSync(example, 'utf8').replace(/,构件|,P1/g, '')}`),
    'the current code beside the archived method': readFileSync(join(dirname(example), 'pier_jtg3362_load_cases.csv')),
    'both methods, awkward': bothMethodsTable(2000),
  };
  for (const [name, bytes] of Object.entries(tables)) {
    await t.test(name, async () => {
      const native = pilaroBatch(bytes);
      const wasm = page(bytes);
      assert.equal(wasm.refusal, undefined);
      assert.equal(wasm.summary, native.summary);
      assert.deepEqual(differences(native.csv, wasm.csv), []);
      // The rows shown are the CSV's cells as typed.
      const message = wasm.columns.findIndex((c) => c.english === 'message');
      assert.deepEqual(wasm.shown.map((row) => row.with(message, null)), shownOfCsv(native.csv, message));
      // The workbook is pilaro-batch's, filter included.
      assert.deepEqual(await sheetOf(ExcelJS, wasm.workbook), await sheetOf(ExcelJS, pilaroBatchWorkbook(bytes)));
      // Written from a helper's answers, all is the same.
      const helped = page(bytes, true);
      assert.equal(helped.summary, wasm.summary);
      assert.ok(helped.csv.equals(wasm.csv));
      assert.deepEqual(helped.shown, wasm.shown);
      assert.deepEqual(await sheetOf(ExcelJS, helped.workbook), await sheetOf(ExcelJS, wasm.workbook));
    });
  }

  // Each cell encoded on its own, as a slow reference: the records' bytes
  // and lengths are these, whatever the surrogates at the cells' edges.
  await t.test('records hold each cell\'s own UTF-8', () => {
    const encoder = new TextEncoder();
    for (const text of [
      'a,b\n中文,"x,y"\n',
      '\uFEFF名称,\uD83D\uDE00\n',
      'x\uD800,\uDC00y\n\uD800,\uDC00\n', // lone halves that meet where cells join
      '\uDC00\uD800,\uD83D,\uDE00,,é\n',
      'end\uD800\n\uDC00start,"two\nlines"\n',
    ]) {
      const records = recordsOf(Papa, text, ',');
      const cells = Papa.parse(text.replace(/^\uFEFF/, ''), { delimiter: ',', quoteChar: '"' }).data.flat();
      const each = cells.map((cell) => encoder.encode(cell));
      assert.deepEqual(records.lengths, each.map((bytes) => bytes.length), JSON.stringify(text));
      assert.ok(Buffer.from(records.bytes).equals(Buffer.concat(each)), JSON.stringify(text));
    }
  });

  // Each record's first line, counted by hand: one more for every line
  // feed before the record, in a quoted cell, ending a record, or among the
  // blanks papaparse drops after a closing quote.
  await t.test('records start on the lines their line feeds give', () => {
    for (const [text, lines, unclosedAt] of [
      ['a,b\nc,d\n', [1, 2, 3], 0],
      ['a,b\nc,d', [1, 2], 0],
      ['a,"x\ny"\nc\n', [1, 3, 4], 0],
      ['a,"x\n\n\ny",z\n"\n"\nc', [1, 5, 7], 0],
      ['x,"p\r\nq"\r\ny\r\n', [1, 3, 4], 0],
      ['a\rb\rc', [1, 1, 1], 0], // no line feed at all
      ['"a"\n\r\nb\r\n', [1, 2, 3, 4], 0], // the first line feed ends the record
      ['x\r\n"a"\n\r\nb\r\n', [1, 2, 4, 5], 0], // records end at CR LF; LF dropped
      ['\uFEFF名称,"多\n行"\n值\n', [1, 3, 4], 0],
      ['a\n"open,b\nc\n', [1, 2], 2],
    ]) {
      const records = recordsOf(Papa, text, ',');
      assert.deepEqual(records.lines, lines, JSON.stringify(text));
      assert.equal(records.unclosedAt, unclosedAt, JSON.stringify(text));
    }
  });

  // Against a slow reference, record by record from papaparse's position
  // after each: the lines, cells and unclosed quote of small random texts.
  await t.test('records read at once are those read one by one', () => {
    const reference = (text) => {
      const lines = [];
      const counts = [];
      let unclosedAt = 0;
      let before = 0; // line feeds before the next record
      Papa.parse(text, {
        delimiter: ',',
        quoteChar: '"',
        skipEmptyLines: false,
        step(result) {
          lines.push(before + 1);
          counts.push(result.data.length);
          if (!unclosedAt && result.errors.some((e) => e.code === 'MissingQuotes')) unclosedAt = before + 1;
          before = text.slice(0, result.meta.cursor).split('\n').length - 1;
        },
      });
      return { lines, counts, unclosedAt };
    };
    let seed = 12345;
    const random = (n) => {
      seed = (seed * 1103515245 + 12345) % 2147483648;
      return seed % n;
    };
    const pieces = ['a', '7', '"', ',', '\n', '\r', '\r\n', ' ', '中'];
    for (let i = 0; i < 3000; ++i) {
      let text = '';
      for (let n = 1 + random(24); n > 0; --n) text += pieces[random(pieces.length)];
      const records = recordsOf(Papa, text, ',');
      const { lines, counts, unclosedAt } = reference(text);
      const shown = JSON.stringify(text);
      assert.deepEqual(records.lines, lines, shown);
      assert.deepEqual(records.counts, counts, shown);
      assert.equal(records.unclosedAt, unclosedAt, shown);
    }
  });

  await t.test('refused tables give pilaro-batch\'s message', () => {
    for (const text of ['名称,foo\n1,2\n', 'type,concrete,steel,Nj,Mj,D,a\n', 'D,d,直径\n',
      `${readFileSync(example, 'utf8')}"open,P1,design\n`]) {
      const bytes = Buffer.from(text);
      assert.equal(page(bytes).refusal, pilaroBatch(bytes).refusal, text);
    }
  });
});
