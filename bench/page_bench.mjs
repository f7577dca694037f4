// The page in headless Chromium, opened from disk: first paint and the
// form ready to use (median of 15 fresh loads), one press of 运  行
// (median over 2,000 presses), a table of 2,000 realistic rows opened and
// shown whole (median of 5), with the file's size.
//   node bench/page_bench.mjs BUILD_DIR
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const build = resolve(process.argv[2] ?? 'build');
const pagePath = join(build, 'web/pilaro.html');
const { chromium } = createRequire(join(build, 'web/node_modules/noop.js'))('playwright-core');
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const loads = [];
for (let i = 0; i < 16; ++i) {
  const context = await browser.newContext(); // nothing cached from the load before
  const page = await context.newPage();
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('body[data-ready="true"]');
  const times = await page.evaluate(() => ({
    paint: performance.getEntriesByName('first-contentful-paint')[0]?.startTime,
    ready: performance.getEntriesByName('pilaro-ready')[0]?.startTime,
  }));
  if (i > 0) loads.push(times); // the first load warms the browser up
  await context.close();
}

const page = await browser.newPage();
await page.goto(pathToFileURL(pagePath).href);
await page.waitForSelector('body[data-ready="true"]');
await page.selectOption('#cbohnt', '25号');
await page.selectOption('#cbogj', 'Ⅱ级');
const press = async (option, fields) => {
  await page.check(`#${option}`);
  for (const [id, text] of Object.entries(fields)) await page.fill(`#${id}`, text);
  return page.evaluate(() => {
    const run = document.getElementById('cmdrun');
    const rounds = [];
    for (let round = 0; round < 8; ++round) {
      const start = performance.now();
      for (let i = 0; i < 250; ++i) run.click();
      if (round > 0) rounds.push(((performance.now() - start) / 250) * 1000);
    }
    return rounds.sort((a, b) => a - b)[3];
  });
};
const pier = { txtzd: '1.2', txtbc: '0.05', txtlj: '10' };
const presses = {
  'design 5000 kN, 3000 kN.m': await press('optpj', { ...pier, txtnj: '5000', txtmj: '3000' }),
  'check 5000 kN, 1500 kN.m': await press('optqd', { ...pier, txtnj: '5000', txtmj: '1500', txtag1: '45.239' }),
  'check 8000 kN, 3000 kN.m': await press('optqd', { ...pier, txtnj: '8000', txtmj: '3000', txtag1: '45.239' }),
};

// The table: from the file chosen to its rows, summary and first diagram
// in the page; the worker's share until its results come back.
const work = mkdtempSync(join(tmpdir(), 'pilaro-bench-'));
const table = join(work, 'rows2000.csv');
writeFileSync(table, execFileSync('sh', [new URL('load_case_table.sh', import.meta.url).pathname, '2000']));
const tables = [];
for (let i = 0; i < 6; ++i) {
  const context = await browser.newContext();
  const tab = await context.newPage();
  await tab.goto(pathToFileURL(pagePath).href);
  await tab.waitForSelector('body[data-tables="ready"]');
  await tab.setInputFiles('#tablefile', table);
  await tab.waitForSelector('body[data-table="done"]', { timeout: 60000 });
  const times = await tab.evaluate(() => {
    const at = (name) => performance.getEntriesByName(name)[0].startTime;
    return { run: at('pilaro-table-run') - at('pilaro-table-start'), done: at('pilaro-table-done') - at('pilaro-table-start') };
  });
  if (i > 0) tables.push(times);
  await context.close();
}
rmSync(work, { recursive: true, force: true });
await browser.close();

console.log(`page: ${statSync(pagePath).size} bytes`);
console.log(`first contentful paint: ${median(loads.map((l) => l.paint)).toFixed(1)} ms (median of ${loads.length} loads)`);
console.log(`form ready:             ${median(loads.map((l) => l.ready)).toFixed(1)} ms`);
console.log(`2,000-row table:        ${median(tables.map((t) => t.done)).toFixed(0)} ms to every row shown ` +
  `(${median(tables.map((t) => t.run)).toFixed(0)} ms in the worker; median of ${tables.length})`);
for (const [name, us] of Object.entries(presses))
  console.log(`one press of 运  行, ${name.padEnd(26)} ${us.toFixed(1)} us (read-outs written)`);
