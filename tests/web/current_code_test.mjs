// The page under JTG 3362-2018, in headless Chromium, as a new user tries
// it: the choice of method above the grade lists, the archived method first;
// choosing the current code offers its grades and γ0 (1.0 chosen) and shows
// its read-outs; every row of the example pier typed in reads out as
// pilaro-batch writes it, run in the test; the diagram draws the code's
// curve with Nmax and the load point; the printed sheet names the method
// and γ0, one page within 15 mm of the paper's edges; switching back leaves
// the archived method's runs as they were, and a reload keeps the choice.
//   node current_code_test.mjs PAGE CHROMIUM NODE_MODULES BATCH TABLE PDFTOTEXT
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { join, resolve } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { openBrowser } from './browser.mjs';

const [page, chromiumPath, nodeModules, batch, table, pdftotext] = process.argv.slice(2);
const pageUrl = pathToFileURL(resolve(page)).href;

// Each read-out of the current code and the key of pilaro-batch's JSON
// line that holds its cell.
const cellOf = {
  txte0: 'e0', txteta: 'eta', txtalpha: 'alpha', txtalphat: 'alphaT', txtnu: 'Nu', txtmu: 'Mu',
  txtphi: 'phi', txtnumax: 'NuAxial', txtutil: 'utilisation', txtjg: 'verdict',
  txtag2: 'AgRequired', txtpjl: 'rho', txtqjl: 'rhoGiven',
  ...Object.fromEntries(['12', '14', '16', '18', '20', '22', '25', '28', '32', '36', '40']
    .map((d) => [`txtd${d}`, `D${d}`])),
};
const archivedOnly = ['txtss', 'txtsa', 'txtsb', 'txtsc', 'txtsd', 'txtd34', 'txtnq', 'txtmq'];
const marginPoints = (15 / 25.4) * 72;

const browser = await openBrowser(chromiumPath, nodeModules, { viewport: { width: 1200, height: 900 } });
const { tab, profile, problems, network } = browser;

// The example's archived check fails on purpose: pilaro-batch ends with 1.
const answer = spawnSync(batch, [table, '--format', 'json'], { stdio: ['ignore', 'pipe', 'ignore'] });
assert.equal(answer.status, 1);
const rows = answer.stdout.toString().trim().split('\n').map((line) => JSON.parse(line));

const values = (ids) =>
  tab.evaluate((names) => Object.fromEntries(names.map((id) => [id, document.getElementById(id).value])), ids);
const hidden = (ids) =>
  tab.evaluate((names) => names.filter((id) => document.getElementById(id).closest('[hidden]')), ids);
const options = (id) => tab.evaluate((list) => [...document.getElementById(list).options].map((o) => o.value), id);
async function dialogText() {
  return (await tab.evaluate(() => document.getElementById('message').open)) ? tab.textContent('#message-text') : null;
}
async function chooseMethod(index) {
  await tab.selectOption('#cbomethod', { index });
}
// A row of the table typed in as a user would, with the method its grades choose.
async function typeRow({ input, result }) {
  const current = 'method' in result;
  await chooseMethod(current ? 1 : 0);
  if (current) {
    const gamma0 = (await options('cbogamma')).find((entry) => entry.startsWith(input.gamma0));
    await tab.selectOption('#cbogamma', gamma0);
  }
  await tab.selectOption('#cbohnt', input.concrete);
  await tab.selectOption('#cbogj', input.steel);
  const check = input.type === '强度校核';
  await tab.check(check ? '#optqd' : '#optpj');
  const fields = { txtnj: input.Nj, txtmj: input.Mj, txtzd: input.D, txtbc: input.a, txtlj: input.l0 };
  if (check) fields.txtag1 = input.bars;
  for (const [id, text] of Object.entries(fields)) await tab.fill(`#${id}`, text);
  await tab.click('#cmdrun');
}

test('the page under JTG 3362-2018', async (t) => {
  t.after(() => browser.close());
  await tab.goto(pageUrl);
  await tab.evaluate(() => localStorage.clear());
  await tab.reload();
  await tab.waitForSelector('body[data-ready="true"]', { timeout: 10000 });
  await tab.evaluate(() => {
    window.print = () => {};
  });

  await t.test('the choice of method stands above the grade lists, the archived method first', async () => {
    const methods = await options('cbomethod');
    assert.equal(methods.length, 2);
    assert.equal(methods[0], '原方法（号、级）');
    assert.ok(methods[1].startsWith('JTG 3362-2018'), methods[1]);
    assert.equal(await tab.inputValue('#cbomethod'), methods[0]);
    const [method, concrete] = await tab.evaluate(() =>
      ['cbomethod', 'cbohnt'].map((id) => document.getElementById(id).getBoundingClientRect().bottom));
    assert.ok(method < concrete, `${method} ${concrete}`);
    assert.deepEqual(await hidden(['cbogamma', 'txte0', 'txtd40', 'txtss']), ['cbogamma', 'txte0', 'txtd40']);
    // The keyboard comes to it before the grade lists.
    await tab.focus('#cbomethod');
    await tab.keyboard.press('Tab');
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'cbohnt');
  });

  await t.test('choosing JTG 3362-2018 offers its grades and γ0, and keeps the loads typed', async () => {
    await tab.fill('#txtnj', '5000');
    await chooseMethod(1);
    assert.deepEqual(await options('cbohnt'),
      ['C25', 'C30', 'C35', 'C40', 'C45', 'C50', 'C55', 'C60', 'C65', 'C70', 'C75', 'C80']);
    assert.deepEqual(await options('cbogj'), ['HPB300', 'HRB400', 'HRBF400', 'RRB400', 'HRB500']);
    const factors = await options('cbogamma');
    assert.deepEqual(factors.map((f) => f.slice(0, 3)), ['1.1', '1.0', '0.9']);
    assert.equal(await tab.inputValue('#cbogamma'), factors[1]);
    assert.deepEqual(await hidden(['cbogamma', ...Object.keys(cellOf)]), []);
    assert.deepEqual(await hidden(archivedOnly), archivedOnly);
    assert.equal(await tab.inputValue('#txtnj'), '5000');
    // The bar counts run D32, D36, D40 down the column, where the archived
    // form has D34 and D36.
    const tops = await tab.evaluate(() =>
      ['txtd32', 'txtd36', 'txtd40'].map((id) => document.getElementById(id).getBoundingClientRect().top));
    assert.ok(tops[0] < tops[1] && tops[1] < tops[2], tops.join(' '));
    // Read-only, and captioned with their units.
    assert.equal(await tab.evaluate(() => document.getElementById('txtnumax').readOnly), true);
    const frame = await tab.evaluate(() => document.getElementById('txte0').closest('fieldset').textContent);
    for (const caption of ['偏心距e0（m）', '轴向承载力Nud（kN）', '弯矩承载力Mud（kN·m）', '利用率'])
      assert.ok(frame.includes(caption), caption);
  });

  await t.test('each row of the example pier reads out as pilaro-batch writes it', async () => {
    assert.equal(rows.length, 11);
    for (const row of rows) {
      await typeRow(row);
      assert.equal(await dialogText(), null, `row ${row.row}`);
      if (!('method' in row.result)) {
        // The archived method's rows: its own fields, with their blank.
        const shown = await values(['txtag2', 'txtjg']);
        assert.equal(shown.txtag2.trim(), row.result.AgRequired ?? '', `row ${row.row}`);
        assert.equal(shown.txtjg, row.result.verdict ?? '', `row ${row.row}`);
        continue;
      }
      const shown = await values(Object.keys(cellOf));
      const expected = Object.fromEntries(Object.entries(cellOf).map(([id, key]) => [id, row.result[key] ?? '']));
      assert.deepEqual(shown, expected, `row ${row.row}`);
    }
  });

  await t.test('the diagram draws the curve, Nmax and the load point', async () => {
    const check = rows.find((row) => row.input.type === '强度校核' && 'method' in row.result);
    const design = rows.find((row) => row.input.type === '配筋计算' && 'method' in row.result);
    for (const [row, verdict] of [[check, 'pass'], [design, 'design']]) {
      await typeRow(row);
      const drawn = await tab.evaluate(() => ({
        title: document.querySelector('#diagram svg title')?.textContent ?? '',
        texts: [...document.querySelectorAll('#diagram svg text')].map((t) => t.textContent),
        curve: document.querySelectorAll('#diagram polyline').length,
        markers: [...document.querySelectorAll('#diagram circle[data-verdict]')].map((c) => c.dataset.verdict),
      }));
      assert.ok(drawn.texts.some((t) => t.includes('JTG 3362-2018') && t.includes(`γ0＝${row.input.gamma0}`)), drawn.texts.join('|'));
      assert.ok(drawn.texts.includes(`Nmax＝${row.result.NuAxial} kN`), drawn.texts.join('|'));
      assert.ok(drawn.curve >= 1);
      assert.deepEqual(drawn.markers, [verdict]);
      assert.ok(drawn.texts.some((t) => t.startsWith('γ0Nd＝')), drawn.texts.join('|'));
    }
  });

  await t.test('the printed sheet names the method and γ0, one page within the margins', async () => {
    const check = rows.find((row) => row.input.type === '强度校核' && 'method' in row.result);
    await typeRow(check);
    await tab.click('#cmdprint');
    assert.equal(await dialogText(), null);
    const pdf = join(profile, 'jtg3362.pdf');
    await tab.pdf({ path: pdf, preferCSSPageSize: true, format: 'A4' });
    const bbox = execFileSync(pdftotext, ['-bbox', pdf, '-']).toString();
    assert.equal([...bbox.matchAll(/<page /g)].length, 1);
    const [, width, height] = bbox.match(/<page width="([\d.]+)" height="([\d.]+)"/);
    const words = [...bbox.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<\/word>/g)];
    for (const [, xMin, yMin, xMax, yMax, text] of words) {
      assert.ok(Number(xMin) >= marginPoints - 0.01 && Number(xMax) <= width - marginPoints, text);
      assert.ok(Number(yMin) >= marginPoints - 0.01 && Number(yMax) <= height - marginPoints, text);
    }
    const text = words.map(([, , , , , word]) => word).join('');
    for (const said of ['按JTG3362-2018计算', '结构重要性系数γ0＝1.1', `Nud＝${check.result.Nu}kN`,
      `Nmax＝${check.result.NuAxial}kN`, `＝${check.result.utilisation}`, '校核钢筋＝28D28',
      `配筋率＝${check.result.rhoGiven}`, `校核结果＝${check.result.verdict}`])
      assert.ok(text.includes(said), said);
  });

  await t.test('a reload keeps the method, γ0 and the grades', async () => {
    await tab.reload();
    await tab.waitForSelector('body[data-ready="true"]', { timeout: 10000 });
    assert.equal(await tab.inputValue('#cbomethod'), (await options('cbomethod'))[1]);
    assert.deepEqual(await values(['cbogamma', 'cbohnt', 'cbogj']),
      { cbogamma: '1.1（一级）', cbohnt: 'C30', cbogj: 'HRB400' });
    assert.deepEqual(await hidden(['txte0']), []);
  });

  await t.test('switching back, the archived method runs as it always did', async () => {
    const archivedD36 = await tab.evaluate(() => document.getElementById('txtd40').getBoundingClientRect().top);
    await chooseMethod(0);
    assert.deepEqual(await hidden(['cbogamma', 'txte0', 'txtss']), ['cbogamma', 'txte0']);
    assert.equal(await tab.evaluate(() => document.getElementById('txtd36').getBoundingClientRect().top), archivedD36);
    assert.equal(await tab.inputValue('#txte0'), '');
    await tab.selectOption('#cbohnt', '25号');
    await tab.selectOption('#cbogj', 'Ⅱ级');
    await tab.check('#optpj');
    for (const [id, text] of Object.entries({ txtnj: '5000', txtmj: '3000', txtzd: '1.2', txtbc: '0.05', txtlj: '10' }))
      await tab.fill(`#${id}`, text);
    await tab.click('#cmdrun');
    assert.deepEqual(await values(['txtag2', 'txtpjl', 'txtd34', 'txtss', 'txtsd']),
      { txtag2: ' 207.021', txtpjl: ' .0183', txtd34: ' 23', txtss: ' .5167', txtsd: ' 1.87936' });
  });

  await t.test('nothing went wrong on the way', async () => {
    assert.deepEqual(problems, []);
    assert.deepEqual(new Set(network()), new Set([pageUrl]));
  });
});
