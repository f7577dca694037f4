// The page's load-case tables and diagrams in headless Chromium, opened from
// disk, against the native pilaro-batch run in the test: the example table
// opened as a file and pasted gives pilaro-batch's CSV cell for cell, its
// summary, and its downloads (CSV byte for byte, the workbook's cells); a
// saved table opens again alike; a GB18030 file reads as its UTF-8 twin;
// markup in a name stays text; the diagrams' markers agree with
// pilaro-batch's verdicts and their texts with its drawings; the form's run
// has its diagram; a table of the current code beside the archived method
// runs, downloads and draws as in pilaro-batch; a 2,000-row table shows
// pilaro-batch's rows, summary and CSV, run by one worker or with helpers.
//   node table_test.mjs PAGE CHROMIUM NODE_MODULES PILARO_BATCH EXAMPLE LOAD_CASE_TABLE
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { openBrowser } from './browser.mjs';
import { sheetOf as sheetOfWith } from './workbook_cells.mjs';

const [page, chromiumPath, nodeModules, batch, example, loadCaseTable] = process.argv.slice(2);
const required = createRequire(join(resolve(nodeModules), 'noop.js'));
const Papa = required('papaparse');
const ExcelJS = required('exceljs');
const sheetOf = (file) => sheetOfWith(ExcelJS, file);
const pageUrl = pathToFileURL(resolve(page)).href;

const work = mkdtempSync(join(tmpdir(), 'pilaro-tables-'));
const cellsOf = (csv) => Papa.parse(csv.toString('utf8').replace(/^\uFEFF/, ''), { delimiter: ',', skipEmptyLines: true }).data;

// pilaro-batch's answers: the CSV output and the summary (standard output
// when the results go to a file), its messages (standard error), the
// workbook, and the diagrams' figures.
let runs = 0;
function pilaroBatch(input, options = [], extension = 'csv') {
  const out = join(work, `out-${(runs += 1)}.${extension}`);
  let summary;
  let said = '';
  try {
    summary = execFileSync(batch, [input, '-o', out, ...options], { stdio: ['ignore', 'pipe', 'pipe'] });
  } catch (failed) {
    summary = failed.stdout; // status 1 or 3: some check fails, some row has no result
    said = failed.stderr.toString();
  }
  // A refused table has no output.
  return { csv: existsSync(out) ? readFileSync(out) : null, summary: summary.toString(), said, out };
}

// The moment the example pier's load point stands at (D 1.2 m, l0 10 m,
// 25号 concrete: Eh 28,500,000 kPa): eta * Mj from the calculation's
// formulas, rounded down to three decimals as the diagram names it.
function amplifiedMoment(Nj, Mj) {
  const D = 1.2;
  const l0 = 10;
  const e0 = Mj / Nj;
  const alpha = e0 / D < 1 ? 0.1 / (e0 / D + 0.3) + 0.143 : 0.22;
  const I = (3.1415926 * D ** 4) / 64;
  const T = (((((Nj * 1.25 * l0 * l0) / 10 / alpha) / 28500000) / I) / 0.95);
  return String(Math.floor((1 / (1 - T)) * e0 * Nj * 1000) / 1000);
}

// What the page shows of a pilaro-batch run: the cells of its CSV, but for
// each row with input errors the message pilaro-batch tells on standard
// error (in Chinese, naming the columns as the header wrote them).
function shownOf(run) {
  const told = new Map();
  for (const [, row, message] of run.said.matchAll(/^pilaro-batch: 第 (\d+) 行：(.*)$/gm))
    told.set(row, (told.get(row) ?? '') + message);
  const rows = cellsOf(run.csv);
  const [row, message] = ['row', 'message'].map((name) => rows[0].indexOf(name));
  return rows.map((cells, i) => (i > 0 && told.has(cells[row]) ? cells.with(message, told.get(cells[row])) : cells));
}

const browser = await openBrowser(chromiumPath, nodeModules, {
  acceptDownloads: true,
  viewport: { width: 1200, height: 900 },
});
const { tab, problems, network } = browser;
await browser.context.grantPermissions(['clipboard-read', 'clipboard-write']);

// The table section is busy from the moment a file is chosen or cells are
// pasted until the table is shown whole or refused; a refusal is told in
// the message box.
async function finished() {
  await tab.waitForSelector('#tables:not([aria-busy])', { timeout: 60000 });
  return (await tab.evaluate(() => document.getElementById('message').open)) ? 'refused' : 'done';
}
async function openFile(path) {
  await tab.setInputFiles('#tablefile', path);
  return finished();
}
async function paste(text) {
  await tab.evaluate((t) => navigator.clipboard.writeText(t), text);
  await tab.focus('#tablepaste');
  await tab.keyboard.press('Control+V');
  return finished();
}
// Every column shown (显示全部列) and written.
async function allColumns(shown = true) {
  if ((await tab.isChecked('#allcolumns')) !== shown) await tab.click('#allcolumns');
  await tab.waitForSelector('#results:not([aria-busy])');
}
// The cells of the results in every column: the CSV's names, then the rows.
async function shownCells() {
  await allColumns();
  return tab.evaluate(() =>
    [...document.querySelectorAll('#results tr')].slice(1).map((row) => [...row.cells].map((c) => c.textContent)));
}
async function downloaded(button) {
  const [download] = await Promise.all([tab.waitForEvent('download'), tab.click(button)]);
  const path = join(work, download.suggestedFilename());
  await download.saveAs(path);
  return { path, name: download.suggestedFilename(), bytes: readFileSync(path) };
}

test('the load-case tables and diagrams', async (t) => {
  t.after(async () => {
    await browser.close();
    rmSync(work, { recursive: true, force: true });
  });
  await tab.goto(pageUrl);
  await tab.waitForSelector('body[data-tables="ready"]', { timeout: 20000 });
  const expected = pilaroBatch(example);

  await t.test('the example opened as a file gives pilaro-batch\'s CSV cell for cell', async () => {
    assert.equal(await openFile(example), 'done');
    assert.deepEqual(await shownCells(), shownOf(expected));
    // The example's one row with an error is told in Chinese.
    assert.ok(shownOf(expected).some((cells) => cells.includes('弯矩输入有误：“2,450”不是一个数。请用小数点，不要加单位或千分位逗号。')));
    assert.equal(await tab.textContent('#summary'), expected.summary);
    // Failing checks and rows without a result are marked as the CSV says.
    const marks = await tab.evaluate(() => [...document.querySelectorAll('#results tbody tr')].map((r) => r.dataset.mark));
    const body = cellsOf(expected.csv).slice(1);
    const header = cellsOf(expected.csv)[0];
    body.forEach((row, i) => {
      const status = row[header.indexOf('status')];
      const verdict = row[header.indexOf('verdict')];
      if (status !== 'done') assert.equal(marks[i], 'none');
      else if (verdict === '重新配筋！') assert.equal(marks[i], 'fail');
      else if (verdict === '通过验算！') assert.equal(marks[i], 'pass');
      else assert.equal(marks[i], 'design');
    });
  });

  await t.test('its downloads hold what pilaro-batch writes', async () => {
    const csv = await downloaded('#exportcsv');
    assert.ok(csv.bytes.equals(expected.csv), 'the CSV is pilaro-batch\'s byte for byte');
    const xlsx = await downloaded('#exportxlsx');
    assert.deepEqual(await sheetOf(xlsx.path), await sheetOf(pilaroBatch(example, [], 'xlsx').out));
  });

  await t.test('the results have the workbook\'s header rows: Chinese with units above the CSV\'s names', async () => {
    await allColumns();
    const heads = await tab.evaluate(() =>
      [...document.querySelectorAll('#results thead tr')].map((row) => [...row.cells].map((c) => c.textContent)));
    const sheet = await sheetOf(pilaroBatch(example, [], 'xlsx').out);
    const [english, chinese] = sheet.rows.slice(0, 2).map((row) => row.map((cell) => cell[0]));
    assert.deepEqual(heads, [chinese, english]);
    assert.deepEqual(english, cellsOf(expected.csv)[0]);
  });

  // Whether each named column's header shows whole in the results' frame,
  // as it stands scrolled.
  const inView = (names) =>
    tab.evaluate((wanted) => {
      const frame = document.querySelector('.results-frame').getBoundingClientRect();
      const names = [...document.querySelectorAll('#results thead tr:last-child th')];
      return wanted.map((name) => {
        const cell = names.find((th) => th.textContent === name)?.getBoundingClientRect();
        return Boolean(cell) && cell.left >= frame.left && cell.right <= frame.right;
      });
    }, names);

  await t.test('at 1366 px the answers show without scrolling, every column one click away', async () => {
    await tab.setViewportSize({ width: 1366, height: 768 });
    try {
      for (const [file, answers] of [
        [example, ['name', 'AgRequired', 'Nq', 'verdict']],
        [join(dirname(example), 'pier_jtg3362_load_cases.csv'), ['name', 'AgRequired', 'verdict', 'utilisation']],
      ]) {
        assert.equal(await openFile(file), 'done');
        await allColumns(false);
        assert.deepEqual(await inView(answers), answers.map(() => true), file);
        // The compact view starts with the name.
        assert.equal(await tab.textContent('#results thead tr:last-child th:first-child'), 'name');
        await allColumns();
        assert.equal(await tab.evaluate(() => document.querySelector('#results tbody tr').cells.length),
          cellsOf(pilaroBatch(file).csv)[0].length, file);
      }
    } finally {
      await tab.setViewportSize({ width: 1200, height: 900 });
    }
  });

  await t.test('the name stays in view when the results scroll sideways', async () => {
    assert.equal(await openFile(example), 'done');
    await allColumns();
    assert.deepEqual(await inView(['name', 'Nj']), [true, true]);
    await tab.evaluate(() => {
      const frame = document.querySelector('.results-frame');
      frame.scrollLeft = frame.scrollWidth;
    });
    assert.deepEqual(await inView(['name', 'Nj', 'verdict']), [true, false, true]);
    const names = await tab.evaluate(() => {
      const frame = document.querySelector('.results-frame').getBoundingClientRect();
      const cell = document.querySelector('#results tbody tr td').getBoundingClientRect();
      return cell.left >= frame.left && cell.right <= frame.right;
    });
    assert.equal(names, true);
  });

  await t.test('the members\' summary folds', async () => {
    assert.equal(await tab.isVisible('#summary'), true);
    await tab.click('#summaryfold > summary');
    assert.equal(await tab.isVisible('#summary'), false);
    await tab.click('#summaryfold > summary');
    assert.equal(await tab.isVisible('#summary'), true);
  });

  await t.test('a saved table opens again alike', async () => {
    const saved = await downloaded('#tablesave');
    assert.equal(await openFile(saved.path), 'done');
    const again = shownOf(expected);
    assert.deepEqual(await shownCells(), again);
    // pilaro-batch reads the saved table as it reads the example.
    assert.ok(pilaroBatch(saved.path).csv.equals(expected.csv));
  });

  await t.test('the example pasted from a spreadsheet gives the same cells', async () => {
    const tsv = Papa.unparse(Papa.parse(readFileSync(example, 'utf8')).data.filter((r) => r.length > 1), {
      delimiter: '\t',
      newline: '\r\n',
    });
    assert.equal(await paste(tsv), 'done');
    assert.deepEqual(await shownCells(), shownOf(expected));
  });

  await t.test('a GB18030 file reads as its UTF-8 twin', async () => {
    const gb = join(work, 'gb18030.csv');
    writeFileSync(gb, execFileSync('iconv', ['-f', 'UTF-8', '-t', 'GB18030', example]));
    assert.notDeepEqual(readFileSync(gb), readFileSync(example));
    assert.equal(await openFile(gb), 'done');
    assert.deepEqual(await shownCells(), shownOf(expected));
    // The example's own GB18030 twin, as Excel on Chinese Windows saves it.
    const twin = join(dirname(example), 'pier_load_cases_gb18030.csv');
    assert.equal(await openFile(twin), 'done');
    assert.deepEqual(await shownCells(), shownOf(expected));
  });

  await t.test('the same sheets pasted and opened read as pilaro-batch reads them', async () => {
    const rows = Papa.parse(readFileSync(example, 'utf8')).data.filter((r) => r.length > 1);
    // A title row, notes, a remarks column and a units row, as engineers keep them.
    const titled = [['XX大桥桥墩荷载组合表'], ['说明：荷载为基本组合'], [...rows[0], '备注'],
      ['', '', '', '', '', '千牛', 'kN·m', '米', 'm', 'm', '平方厘米', '', ''],
      ...rows.slice(1).map((r, i) => [...r, i % 2 ? '主墩' : ''])];
    const titledCsv = join(work, 'titled.csv');
    writeFileSync(titledCsv, Papa.unparse(titled));
    // Excel's "Unicode 文本": UTF-16 with its mark, separated by tabs.
    const unicode = join(work, 'unicode.txt');
    writeFileSync(unicode, Buffer.concat([Buffer.from([0xff, 0xfe]),
      Buffer.from(Papa.unparse(titled, { delimiter: '\t', newline: '\r\n' }), 'utf16le')]));
    // A workbook made with a library: numbers as numbers, a formula with
    // its result, a title row, and a second sheet that is not read.
    const book = new ExcelJS.Workbook();
    const sheet = book.addWorksheet('荷载');
    titled.forEach((r, i) => sheet.addRow(r.map((cell, k) => {
      if (i === 4 && k === 5) return { formula: '3100*2', result: 6200 };
      return i >= 4 && k >= 5 && k <= 10 && cell !== '' && Number.isFinite(Number(cell)) ? Number(cell) : cell;
    })));
    book.addWorksheet('备用').addRow(['不读']);
    const workbook = join(work, 'book.xlsx');
    await book.xlsx.writeFile(workbook);
    const dated = new ExcelJS.Workbook();
    const datedSheet = dated.addWorksheet('荷载');
    rows.slice(0, 3).forEach((r, i) => datedSheet.addRow(i === 2 ? r.map((c, k) => (k === 5 ? new Date(2024, 2, 5) : c)) : r));
    const datedBook = join(work, 'dated.xlsx');
    await dated.xlsx.writeFile(datedBook);

    for (const file of [titledCsv, unicode, workbook, datedBook]) {
      assert.equal(await openFile(file), 'done', file);
      assert.deepEqual(await shownCells(), shownOf(pilaroBatch(file)), file);
    }
    // The workbook, the Unicode text and the titled CSV give the same cells.
    assert.equal(await openFile(workbook), 'done');
    const fromWorkbook = await shownCells();
    assert.equal(await openFile(unicode), 'done');
    assert.deepEqual(await shownCells(), fromWorkbook);
    assert.ok(fromWorkbook[0].includes('备注'));
    // The same sheet pasted from a spreadsheet, title row and all.
    assert.equal(await paste(Papa.unparse(titled, { delimiter: '\t', newline: '\r\n' })), 'done');
    assert.deepEqual(await shownCells(), fromWorkbook);
    // A file that is no table is refused as pilaro-batch refuses it.
    writeFileSync(join(work, 'old.xls'), Buffer.concat([Buffer.from('d0cf11e0a1b11ae1', 'hex'), Buffer.alloc(512)]));
    assert.equal(await openFile(join(work, 'old.xls')), 'refused');
    let said = '';
    try {
      execFileSync(batch, ['old.xls'], { cwd: work, stdio: ['ignore', 'ignore', 'pipe'] });
    } catch (failed) {
      said = failed.stderr.toString();
    }
    assert.equal(`pilaro-batch: ${await tab.textContent('#message-text')}\n`, said);
    await tab.click('#message-ok');
  });

  await t.test('a file separated by semicolons reads as pilaro-batch reads it', async () => {
    const semicolons = join(work, 'semicolons.csv');
    writeFileSync(semicolons, Papa.unparse(Papa.parse(readFileSync(example, 'utf8')).data.filter((r) => r.length > 1), { delimiter: ';' }));
    assert.equal(await openFile(semicolons), 'done');
    assert.deepEqual(await shownCells(), shownOf(pilaroBatch(semicolons)));
    assert.deepEqual(await shownCells(), shownOf(expected));
  });

  await t.test('a file that is neither UTF-8 nor GB18030 is refused at its line, as pilaro-batch refuses it', async () => {
    const neither = join(work, 'neither.csv');
    const lines = readFileSync(example).toString('binary').split('\n');
    lines[4] = lines[4].replace('P1', 'P\xff\xff1');
    writeFileSync(neither, Buffer.from(lines.join('\n'), 'binary'));
    assert.equal(await openFile(neither), 'refused');
    let said = '';
    try {
      execFileSync(batch, [neither, '-o', join(work, 'neither-out.csv')], { stdio: ['ignore', 'ignore', 'pipe'] });
    } catch (failed) {
      said = failed.stderr.toString();
    }
    assert.equal(said, 'pilaro-batch: 输入的第 5 行既不是 UTF-8 也不是 GB18030 文本\n');
    assert.equal(await tab.textContent('#message-text'), '输入的第 5 行既不是 UTF-8 也不是 GB18030 文本');
    await tab.click('#message-ok');
  });

  await t.test('a refused table shows pilaro-batch\'s message and leaves the table shown as it was', async () => {
    assert.equal(await openFile(example), 'done');
    const before = await shownCells();
    const diagrams = await tab.evaluate(() => document.querySelectorAll('#diagram svg').length);
    const refused = join(work, 'refused.csv');
    writeFileSync(refused, readFileSync(example, 'utf8').replace('弯矩', '弯矩力'));
    assert.equal(await openFile(refused), 'refused');
    // The message suggests the name, and goes on to say what to do.
    assert.ok((await tab.textContent('#message-text')).startsWith('列名“弯矩力”不是已知的列名，是否应为“弯矩”？'));
    await tab.click('#message-ok');
    assert.deepEqual(await shownCells(), before);
    assert.equal(await tab.evaluate(() => document.querySelectorAll('#diagram svg').length), diagrams);
    assert.equal(await tab.textContent('#summary'), expected.summary);
    assert.equal(await tab.textContent('#tablestatus'), 'pier_load_cases.csv');
    // Its downloads are still the table shown's.
    assert.ok((await downloaded('#exportcsv')).bytes.equals(expected.csv));
    // So after cells pasted that are no table.
    assert.equal(await paste('no table here'), 'refused');
    const noTable = join(work, 'no-table.csv');
    writeFileSync(noTable, 'no table here');
    assert.equal(`pilaro-batch: ${await tab.textContent('#message-text')}\n`, pilaroBatch(noTable).said);
    await tab.click('#message-ok');
    assert.deepEqual(await shownCells(), before);
    assert.equal(await tab.isDisabled('#exportcsv'), false);
  });

  await t.test('cells pasted from anywhere find their separator as a file does', async () => {
    const rows = Papa.parse(readFileSync(example, 'utf8')).data.filter((r) => r.length > 1);
    for (const delimiter of [',', ';', '\t']) {
      assert.equal(await paste(Papa.unparse(rows, { delimiter, newline: '\n' })), 'done', delimiter);
      assert.deepEqual(await shownCells(), shownOf(expected), delimiter);
    }
  });

  await t.test('markup in a name is shown as text and runs nothing', async () => {
    const markup = '<img src=x onerror="document.body.dataset.hacked=1">';
    const member = '<b onmouseover="document.body.dataset.hacked=1">P</b>';
    // A spreadsheet would take these as formulas.
    const formulas = ['=HYPERLINK("http://x","y")', '+1+1', '-2+3', '@SUM(1)'];
    const nameOf = (i) =>
      i % 2 ? markup : i < 8 ? formulas[i / 2] : `<script>document.body.dataset.hacked=1</script>${i}`;
    const table = join(work, 'markup.csv');
    const lines = readFileSync(example, 'utf8').split('\n');
    writeFileSync(table, [lines[0], ...lines.slice(1, 11).map((line, i) =>
      line.replace(/^[^,]*,P1/, `"${nameOf(i).replaceAll('"', '""')}","${member.replaceAll('"', '""')}"`))].join('\n'));
    assert.equal(await openFile(table), 'done');
    const batchRun = pilaroBatch(table);
    // The screen shows each name as typed, where the CSV guards the
    // formula-like ones with an apostrophe.
    const expectedCells = shownOf(batchRun).map((row, i) => (i === 0 ? row : row.with(0, nameOf(i - 1))));
    assert.deepEqual(await shownCells(), expectedCells);
    assert.ok(expectedCells.some((row) => row[0] === markup));
    assert.deepEqual(cellsOf(batchRun.csv).slice(1, 9).filter((r, i) => i % 2 === 0).map((r) => r[0]),
      formulas.map((f) => `'${f}`));
    // The downloads guard the formula-like names as pilaro-batch's files do.
    const csv = await downloaded('#exportcsv');
    assert.ok(csv.bytes.equals(batchRun.csv), 'the CSV is pilaro-batch\'s byte for byte');
    assert.ok(!cellsOf(csv.bytes).some((row) => formulas.includes(row[0])));
    const xlsx = await downloaded('#exportxlsx');
    assert.deepEqual(await sheetOf(xlsx.path), await sheetOf(pilaroBatch(table, [], 'xlsx').out));
    const page = await tab.evaluate(() => ({
      hacked: document.body.dataset.hacked ?? null,
      images: document.querySelectorAll('img').length,
      scripts: document.querySelectorAll('body script').length,
      markerNames: [...document.querySelectorAll('#diagram circle[data-verdict] title')].map((t) => t.textContent),
      members: [...document.querySelectorAll('#member option')].map((o) => o.textContent),
    }));
    assert.equal(page.hacked, null);
    assert.equal(page.images, 0);
    assert.equal(page.scripts, 1); // the page's own
    assert.ok(page.markerNames.includes(markup));
    assert.deepEqual(page.members, [`构件 ${member}`]);
  });

  await t.test('the diagrams agree with pilaro-batch\'s', async () => {
    assert.equal(await openFile(example), 'done');
    pilaroBatch(example, ['--diagram', join(work, 'diagrams')]);
    const files = readdirSync(join(work, 'diagrams'));
    const svgs = await tab.evaluate(() => [...document.querySelectorAll('#diagram svg')].map((svg) => ({
      stem: svg.dataset.stem,
      markers: [...svg.querySelectorAll('circle[data-verdict]')].map((c) => `${c.textContent} ${c.dataset.verdict}`).sort(),
      // The texts outside the plot: title, section, legend, ticks, axis names.
      frame: [...svg.querySelectorAll(':scope > text')].map((t) => t.textContent).join(''),
    })));
    assert.deepEqual(svgs.map((s) => `${s.stem}.svg`).sort(), files.filter((f) => f.endsWith('.svg')).sort());
    // A design is drawn as a design, as the figures file says.
    const verdicts = { '通过验算！': 'pass', '重新配筋！': 'fail', 配筋计算: 'design' };
    for (const svg of svgs) {
      // Every case pilaro-batch checked with this steel, with its verdict.
      const figures = readFileSync(join(work, 'diagrams', `${svg.stem}.csv`), 'utf8');
      const loads = cellsOf(figures.slice(figures.indexOf('name,N,M,verdict')));
      const checked = loads.slice(1).filter((l) => verdicts[l[3]]).map((l) => `${l[0]} ${verdicts[l[3]]}`).sort();
      assert.deepEqual(svg.markers, checked, svg.stem);
      // pilaro-batch's drawing has the same texts in the same order (in runs
      // of its font), then the names beside the markers.
      const batchText = await tab.evaluate((text) =>
        [...new DOMParser().parseFromString(text, 'image/svg+xml').querySelectorAll('text')].map((t) => t.textContent).join(''),
      readFileSync(join(work, 'diagrams', `${svg.stem}.svg`), 'utf8'));
      assert.ok(batchText.startsWith(svg.frame), `${svg.stem}: ${svg.frame}\n${batchText}`);
    }
    // The table's checks with 24D28 have the verdicts of that diagram's markers.
    const rows = cellsOf(expected.csv);
    const at = (name) => rows[0].indexOf(name);
    const withBars = rows.slice(1).filter((r) => r[at('bars')] === '24D28' && r[at('status')] === 'done');
    const diagram = svgs.find((s) => s.stem === 'P1-24D28');
    for (const row of withBars)
      assert.ok(diagram.markers.includes(`${row[at('name')]} ${verdicts[row[at('verdict')]]}`), row[at('name')]);
  });

  await t.test('a diagram is saved as SVG and as PNG', async () => {
    const svg = await downloaded('#diagram figure:first-child button:nth-of-type(1)');
    assert.equal(svg.name, 'P1-24D28.svg');
    assert.match(svg.bytes.toString(), /^<svg[^>]*xmlns="http:\/\/www.w3.org\/2000\/svg"/);
    assert.match(svg.bytes.toString(), /data-verdict="fail"/);
    const png = await downloaded('#diagram figure:first-child button:nth-of-type(2)');
    assert.equal(png.name, 'P1-24D28.png');
    assert.equal(png.bytes.subarray(1, 4).toString(), 'PNG');
    assert.deepEqual([png.bytes.readUInt32BE(16), png.bytes.readUInt32BE(20)], [1500, 1050]);
  });

  await t.test('the form\'s run has its diagram', async () => {
    await tab.selectOption('#cbohnt', '25号');
    await tab.selectOption('#cbogj', 'Ⅱ级');
    await tab.check('#optqd');
    for (const [nj, mj, verdict] of [['5000', '1500', 'pass'], ['8000', '3000', 'fail']]) {
      for (const [id, text] of Object.entries({ txtnj: nj, txtmj: mj, txtzd: '1.2', txtbc: '0.05', txtlj: '10', txtag1: '45.239' }))
        await tab.fill(`#${id}`, text);
      await tab.click('#cmdrun');
      const markers = await tab.evaluate(() =>
        [...document.querySelectorAll('#diagram circle[data-verdict]')].map((c) => [c.textContent, c.dataset.verdict]));
      // l0 / D = 8.3: the point stands at eta * Mj, and is named so.
      assert.deepEqual(markers, [[`Nj＝${nj}，η·Mj＝${amplifiedMoment(Number(nj), Number(mj))}`, verdict]]);
      assert.equal(await tab.getAttribute('#diagram svg', 'data-stem'), 'N-M-45.239cm2');
    }
  });

  await t.test('a table of the current code beside the archived method runs as in pilaro-batch', async () => {
    const both = join(dirname(example), 'pier_jtg3362_load_cases.csv');
    assert.equal(await openFile(both), 'done');
    const run = pilaroBatch(both, ['--diagram', join(work, 'jtg3362')]);
    assert.deepEqual(await shownCells(), shownOf(run));
    assert.equal(await tab.textContent('#summary'), run.summary.slice(0, run.summary.indexOf('构件 P1 的 N–M 图')));
    assert.ok(cellsOf(run.csv)[0].includes('gamma0'));
    const csv = await downloaded('#exportcsv');
    assert.ok(csv.bytes.equals(run.csv), 'the CSV is pilaro-batch\'s byte for byte');
    const xlsx = await downloaded('#exportxlsx');
    assert.deepEqual(await sheetOf(xlsx.path), await sheetOf(pilaroBatch(both, [], 'xlsx').out));
    // The current code's member: its markers and texts are pilaro-batch's,
    // its title names the code and γ0.
    const drawn = await tab.evaluate(() => {
      const svg = document.querySelector('#diagram svg');
      return {
        stem: svg.dataset.stem,
        markers: [...svg.querySelectorAll('circle[data-verdict]')].map((c) => c.dataset.verdict).sort(),
        frame: [...svg.querySelectorAll(':scope > text')].map((t) => t.textContent).join(''),
        labels: [...svg.querySelectorAll('g text')].map((t) => t.textContent),
      };
    });
    assert.equal(drawn.stem, 'P1');
    assert.ok(drawn.frame.startsWith('P1  N–M 相关曲线（JTG 3362-2018，γ0＝1.1）'), drawn.frame);
    const figures = readFileSync(join(work, 'jtg3362', 'P1.csv'), 'utf8');
    const nmax = Number(figures.split('\r\n')[figures.split('\r\n').indexOf('Nmax') + 1]);
    assert.ok(drawn.labels.includes(`Nmax＝${(Math.floor(nmax * 100) / 100).toFixed(2)} kN`), drawn.labels.join('|'));
    const loads = cellsOf(figures.slice(figures.indexOf('name,N,M,verdict'))).slice(1);
    const kinds = { '通过验算！': 'pass', '重新配筋！': 'fail', 配筋计算: 'design' };
    assert.deepEqual(drawn.markers, loads.map((l) => kinds[l[3]]).sort());
    const batchText = await tab.evaluate((text) =>
      [...new DOMParser().parseFromString(text, 'image/svg+xml').querySelectorAll('text')].map((t) => t.textContent).join(''),
    readFileSync(join(work, 'jtg3362', 'P1.svg'), 'utf8'));
    assert.ok(batchText.startsWith(drawn.frame), `${drawn.frame}\n${batchText}`);
  });

  // Run by the table worker alone (two cores), with one helper (three
  // cores) and with three (five cores), every row, the summary and the CSV
  // are pilaro-batch's.
  await t.test('a 2,000-row table shows what pilaro-batch writes, whatever the cores', async () => {
    const big = join(work, 'rows2000.csv');
    writeFileSync(big, execFileSync('sh', [loadCaseTable, '2000']));
    const expected2000 = pilaroBatch(big);
    for (const cores of [2, 3, 5]) {
      const other = await browser.context.newPage();
      other.on('pageerror', (error) => problems.push(error.message));
      await other.addInitScript((n) => Object.defineProperty(navigator, 'hardwareConcurrency', { get: () => n }), cores);
      await other.goto(pageUrl);
      await other.waitForSelector('body[data-tables="ready"]', { timeout: 20000 });
      await other.click('#allcolumns');
      await other.setInputFiles('#tablefile', big);
      await other.waitForSelector('#tables:not([aria-busy])', { timeout: 60000 });
      const shown = await other.evaluate(() =>
        [...document.querySelectorAll('#results tr')].slice(1).map((row) => [...row.cells].map((c) => c.textContent)));
      assert.equal(shown.length, 2001, `${cores} cores`);
      assert.deepEqual(shown, shownOf(expected2000), `${cores} cores`);
      assert.equal(await other.textContent('#summary'), expected2000.summary, `${cores} cores`);
      const [download] = await Promise.all([other.waitForEvent('download'), other.click('#exportcsv')]);
      const path = join(work, `rows2000-${cores}.csv`);
      await download.saveAs(path);
      assert.ok(readFileSync(path).equals(expected2000.csv), `${cores} cores: the CSV is pilaro-batch's byte for byte`);
      await other.close();
    }
  });

  await t.test('nothing went wrong, and nothing left the file', async () => {
    assert.deepEqual(problems, []);
    assert.deepEqual(network().filter((url) => url !== pageUrl), []);
  });
});
