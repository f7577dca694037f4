// Makes docs/web.png: the page opened from disk in headless Chromium with
// the README's design example typed into the form and run, and the example
// table opened, its results and its member's first diagram below. With
// "jtg3362", the same pier under JTG 3362-2018 (γ0 1.1, C30, HRB400) and
// that code's example table.
//   node web/tools/screenshot.mjs [BUILD_DIR] [OUT] [jtg3362]
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const build = resolve(process.argv[2] ?? 'build');
const out = resolve(process.argv[3] ?? 'docs/web.png');
const current = process.argv[4] === 'jtg3362';
const example = join(
  dirname(fileURLToPath(import.meta.url)),
  current ? '../../examples/pier_jtg3362_load_cases.csv' : '../../examples/pier_load_cases.csv',
);
const { chromium } = createRequire(join(build, 'web/node_modules/noop.js'))('playwright-core');

const profile = mkdtempSync(join(tmpdir(), 'pilaro-shot-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: '/usr/bin/chromium',
  headless: true,
  viewport: { width: 1140, height: 2200 }, // all in view: rows out of view are drawn when scrolled to
  args: [
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
  ],
});
try {
  const page = context.pages()[0] ?? (await context.newPage());
  await page.goto(pathToFileURL(join(build, 'web/pilaro.html')).href);
  await page.waitForSelector('body[data-tables="ready"]');
  if (current) {
    await page.selectOption('#cbomethod', { index: 1 });
    await page.selectOption('#cbogamma', { index: 0 });
  }
  await page.selectOption('#cbohnt', current ? 'C30' : '25号');
  await page.selectOption('#cbogj', current ? 'HRB400' : 'Ⅱ级');
  await page.check('#optpj');
  const fields = { txtnj: '5000', txtmj: '3000', txtzd: '1.2', txtbc: '0.05', txtlj: '10' };
  for (const [id, text] of Object.entries(fields)) await page.fill(`#${id}`, text);
  await page.click('#cmdrun');
  await page.setInputFiles('#tablefile', example);
  await page.waitForSelector('#tables:not([aria-busy]) #results tbody tr');
  // The rows in view are drawn in the frames after they come.
  await page.evaluate(
    () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))),
  );
  // The form, the table and the member's first diagram.
  const bottom = await page.evaluate(() => {
    const figure = document.querySelector('#diagram figure');
    return figure.getBoundingClientRect().bottom + window.scrollY + 16;
  });
  await page.screenshot({ path: out, clip: { x: 0, y: 0, width: 1140, height: bottom } });
  console.log(`screenshot: ${out}`);
} finally {
  await context.close();
  rmSync(profile, { recursive: true, force: true });
}
