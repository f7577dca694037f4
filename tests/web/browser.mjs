// Headless Chromium for the page's tests: Debian's chromium driven by
// playwright-core, in a profile of its own, every request and every error
// or warning the page logs kept.
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

export async function openBrowser(chromiumPath, nodeModules, options = {}) {
  const { chromium } = createRequire(join(resolve(nodeModules), 'noop.js'))('playwright-core');
  const profile = mkdtempSync(join(tmpdir(), 'pilaro-browser-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    ...options,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const requests = [];
  const problems = [];
  context.on('request', (request) => requests.push(request.url()));
  const tab = context.pages()[0] ?? (await context.newPage());
  tab.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') problems.push(message.text());
  });
  tab.on('pageerror', (error) => problems.push(error.message));
  return {
    context,
    tab,
    profile,
    requests,
    problems,
    // The page's table worker and pictures come from blob: URLs that the
    // page makes of its own content: no request leaves the file.
    network: () => requests.filter((url) => !url.startsWith('blob:')),
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
