// Makes docs/web.png: the page opened from disk in headless Chromium with
// the README's design example typed into the form and run.
//   node web/tools/screenshot.mjs [BUILD_DIR] [OUT]
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const build = resolve(process.argv[2] ?? 'build');
const out = resolve(process.argv[3] ?? 'docs/web.png');
const { chromium } = createRequire(join(build, 'web/node_modules/noop.js'))('playwright-core');

const profile = mkdtempSync(join(tmpdir(), 'pilaro-shot-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: '/usr/bin/chromium',
  headless: true,
  viewport: { width: 820, height: 600 },
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
try {
  const page = context.pages()[0] ?? (await context.newPage());
  await page.goto(pathToFileURL(join(build, 'web/pilaro.html')).href);
  await page.waitForSelector('body[data-ready="true"]');
  await page.selectOption('#cbohnt', '25号');
  await page.selectOption('#cbogj', 'Ⅱ级');
  await page.check('#optpj');
  const fields = { txtnj: '5000', txtmj: '3000', txtzd: '1.2', txtbc: '0.05', txtlj: '10' };
  for (const [id, text] of Object.entries(fields)) await page.fill(`#${id}`, text);
  await page.click('#cmdrun');
  await page.locator('main').screenshot({ path: out });
  console.log(`screenshot: ${out}`);
} finally {
  await context.close();
  rmSync(profile, { recursive: true, force: true });
}
