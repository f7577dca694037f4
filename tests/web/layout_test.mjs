// The page's form laid out for the PCs it runs on, in headless Chromium:
// on a 1366 x 768 screen at 125 % zoom (1093 x 614 CSS pixels, each 1.25
// device pixels) 运  行 and 校核结果 are in the first screen; at that size
// and on narrow screens no caption, field, list or option stands outside
// its frame, no frame outside the form, and no two buttons overlap; below
// 800 px the form flows instead of scrolling sideways; and a disabled
// button looks disabled.
//   node layout_test.mjs PAGE CHROMIUM NODE_MODULES
import assert from 'node:assert/strict';
import { resolve } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { openBrowser } from './browser.mjs';

const [page, chromiumPath, nodeModules] = process.argv.slice(2);
const pageUrl = pathToFileURL(resolve(page)).href;

// Every placed control's box against its container's (the form for the
// frames and buttons), with half a pixel of rounding; every pair of
// buttons; and whether the page scrolls sideways.
function boxes() {
  const inside = (a, b) => a.left >= b.left - 0.5 && a.top >= b.top - 0.5 &&
    a.right <= b.right + 0.5 && a.bottom <= b.bottom + 0.5;
  const outside = [];
  for (const element of document.querySelectorAll('#form .placed')) {
    if (element.closest('[hidden]')) continue;
    const container = element.parentElement.closest('fieldset.placed') ?? document.getElementById('form');
    const box = element.getBoundingClientRect();
    if (!inside(box, container.getBoundingClientRect())) outside.push(element.id || element.textContent);
    // A caption's text, not only its box, stays within the frame.
    if (element.classList.contains('caption')) {
      const range = document.createRange();
      range.selectNodeContents(element);
      for (const line of range.getClientRects())
        if (!inside(line, container.getBoundingClientRect())) outside.push(`text of ${element.textContent}`);
    }
  }
  const buttons = [...document.querySelectorAll('#form button')].map((b) => [b.id, b.getBoundingClientRect()]);
  const overlapping = [];
  for (const [i, [a, boxA]] of buttons.entries())
    for (const [b, boxB] of buttons.slice(i + 1))
      if (boxA.left < boxB.right && boxB.left < boxA.right && boxA.top < boxB.bottom && boxB.top < boxA.bottom)
        overlapping.push(`${a} ${b}`);
  const frames = [...document.querySelectorAll('#form > fieldset, #form > * > fieldset')]
    .filter((frame) => !frame.closest('[hidden]'));
  return {
    outside,
    overlapping,
    frames: frames.length,
    sideways: document.scrollingElement.scrollWidth > window.innerWidth,
  };
}

async function opened(viewport, deviceScaleFactor = 1) {
  const browser = await openBrowser(chromiumPath, nodeModules, { viewport, deviceScaleFactor });
  await browser.tab.goto(pageUrl);
  await browser.tab.waitForSelector('body[data-ready="true"]', { timeout: 10000 });
  // A check's form, the area field shown, and a run's read-outs.
  await browser.tab.click('#example');
  await browser.tab.check('#optqd');
  await browser.tab.fill('#txtag1', '24D28');
  await browser.tab.click('#cmdrun');
  return browser;
}

test('the page\'s layout', async (t) => {
  await t.test('at 1366 x 768 and 125 %, 运行 and 校核结果 are in the first screen', async () => {
    const browser = await opened({ width: 1093, height: 614 }, 1.25);
    try {
      const first = await browser.tab.evaluate(() => {
        const bottom = (element) => element.getBoundingClientRect().bottom;
        const check = document.getElementById('txtjg').closest('fieldset');
        return {
          run: bottom(document.getElementById('cmdrun')),
          checkFrame: bottom(check),
          verdict: bottom(document.getElementById('txtjg')),
          height: window.innerHeight,
          scrolled: window.scrollY,
        };
      });
      assert.equal(first.scrolled, 0);
      for (const key of ['run', 'checkFrame', 'verdict']) assert.ok(first[key] <= first.height, `${key} ${first[key]}`);
      const laid = await browser.tab.evaluate(boxes);
      assert.deepEqual(laid, { outside: [], overlapping: [], frames: 5, sideways: false });
      assert.deepEqual(browser.problems, []);
    } finally {
      await browser.close();
    }
  });

  for (const width of [799, 640, 375]) {
    await t.test(`at ${width} px the form flows, nothing outside its frame`, async () => {
      const browser = await opened({ width, height: 800 });
      try {
        const laid = await browser.tab.evaluate(boxes);
        assert.deepEqual(laid, { outside: [], overlapping: [], frames: 5, sideways: false });
        // The results come below the inputs, not beside them.
        const [inputs, results] = await browser.tab.evaluate(() =>
          ['txtnj', 'txtag2'].map((id) => document.getElementById(id).closest('fieldset').getBoundingClientRect().top));
        assert.ok(results > inputs + 200, `${inputs} ${results}`);
      } finally {
        await browser.close();
      }
    });
  }

  await t.test('a disabled button looks disabled', async () => {
    const browser = await opened({ width: 1200, height: 800 });
    try {
      const looks = await browser.tab.evaluate(() => {
        const look = (id) => {
          const style = getComputedStyle(document.getElementById(id));
          return { disabled: document.getElementById(id).disabled, color: style.color,
            background: style.backgroundColor, border: style.borderStyle, cursor: style.cursor };
        };
        return { off: look('exportcsv'), on: look('tablerun') };
      });
      assert.equal(looks.off.disabled, true);
      assert.equal(looks.on.disabled, false);
      assert.notEqual(looks.off.color, looks.on.color);
      assert.notEqual(looks.off.background, looks.on.background);
      assert.equal(looks.off.cursor, 'not-allowed');
    } finally {
      await browser.close();
    }
  });
});
