// The page's form as a new user meets it, in headless Chromium: a design's
// point has a marker of its own, a check that ran as a design says so,
// nothing prints before a run or while the results are stale (greyed, and
// marked data-stale), a check's sheet names its steel, the diagram's point
// is named by what it stands at and the member list draws its member again,
// Enter runs and the focus goes to the field at fault, the form fits a
// laptop at 125 % and flows on a narrow screen, and 示例, 清空 and 帮助 work.
//   node form_test.mjs PAGE CHROMIUM NODE_MODULES EXAMPLE_TABLE
import assert from 'node:assert/strict';
import { resolve } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { openBrowser } from './browser.mjs';

const [page, chromiumPath, nodeModules, exampleTable] = process.argv.slice(2);
const pageUrl = pathToFileURL(resolve(page)).href;

const readOuts = ['txtd12', 'txtd14', 'txtd16', 'txtd18', 'txtd20', 'txtd22', 'txtd25', 'txtd28',
  'txtd32', 'txtd34', 'txtd36', 'txtag2', 'txtss', 'txtsa', 'txtsb', 'txtsc', 'txtsd', 'txtpjl',
  'txtnq', 'txtmq', 'txtqjl', 'txtjg'];
const inputs = ['txtnj', 'txtmj', 'txtzd', 'txtbc', 'txtlj', 'txtag1'];
const pier = { txtzd: '1.2', txtbc: '0.05', txtlj: '10' };

const ranAsDesign = '未输入纵向钢筋面积（或为0），已按配筋计算，结果见“配筋结果”。';
const nothingToPrint = '还没有计算结果可打印，请先运行。';
const staleResults = '输入已修改，显示的结果已过时，请重新运行后再打印。';

// The moment the pier's load point stands at (D 1.2 m, l0 10 m, 25号:
// Eh 28,500,000 kPa), eta * Mj from the calculation's formulas, rounded
// down to three decimals as the diagram names it.
function amplifiedMoment(Nj, Mj) {
  const e0 = Mj / Nj;
  const alpha = e0 / 1.2 < 1 ? 0.1 / (e0 / 1.2 + 0.3) + 0.143 : 0.22;
  const I = (3.1415926 * 1.2 ** 4) / 64;
  const T = (((((Nj * 1.25 * 10 * 10) / 10 / alpha) / 28500000) / I) / 0.95);
  return String(Math.floor((1 / (1 - T)) * e0 * Nj * 1000) / 1000);
}

const browser = await openBrowser(chromiumPath, nodeModules, { viewport: { width: 1200, height: 900 } });
const { tab, problems, network } = browser;

const values = (ids) =>
  tab.evaluate((names) => Object.fromEntries(names.map((id) => [id, document.getElementById(id).value])), ids);
async function dialogText() {
  return (await tab.evaluate(() => document.getElementById('message').open)) ? tab.textContent('#message-text') : null;
}
// Closes the message, and waits until the focus has gone where it goes.
async function closeMessage() {
  await tab.click('#message-ok');
  await tab.evaluate(() => new Promise((done) => setTimeout(done, 50)));
}
async function pierRun(option, fields) {
  await tab.selectOption('#cbohnt', '25号');
  await tab.selectOption('#cbogj', 'Ⅱ级');
  await tab.check(`#${option}`);
  for (const [id, text] of Object.entries({ ...pier, ...fields })) await tab.fill(`#${id}`, text);
  await tab.click('#cmdrun');
}
const markers = () =>
  tab.evaluate(() => [...document.querySelectorAll('#diagram circle[data-verdict]')].map((c) => [c.textContent, c.dataset.verdict]));
const legend = () => tab.evaluate(() => [...document.querySelectorAll('#diagram svg > text')].map((t) => t.textContent));
const staleMarks = () =>
  tab.evaluate((names) => ({
    readOuts: names.map((id) => document.getElementById(id).dataset.stale ?? null),
    diagram: document.getElementById('diagram').dataset.stale ?? null,
  }), readOuts);
const focused = () => tab.evaluate(() => document.activeElement?.id ?? null);
// The focus a closed message hands on, once the page has handed it (a
// timer of the page's, later on a loaded machine): `expected` when it
// comes there within two seconds, else where it stands then.
async function focusAfterMessage(expected) {
  await tab
    .waitForFunction((id) => document.activeElement?.id === id, expected, { timeout: 2000 })
    .catch(() => {});
  return focused();
}
// Counts the browser's print dialogs instead of opening them.
const stubPrint = () => tab.evaluate(() => {
  window.printed = 0;
  window.print = () => { window.printed += 1; };
});
async function fresh() {
  await tab.evaluate(() => localStorage.clear());
  await tab.goto(pageUrl);
  await tab.waitForSelector('body[data-ready="true"]', { timeout: 10000 });
  await stubPrint();
}

test('the page\'s form', async (t) => {
  t.after(() => browser.close());
  await tab.goto(pageUrl);
  await fresh();

  await t.test('a design has a marker of its own; a check\'s point is green or red', async () => {
    await pierRun('optpj', { txtnj: '5000', txtmj: '3000' });
    assert.equal(await dialogText(), null);
    assert.deepEqual(await markers(), [[`Nj＝5000，η·Mj＝${amplifiedMoment(5000, 3000)}`, 'design']]);
    assert.ok((await legend()).includes('配筋计算'));
    const fill = await tab.getAttribute('#diagram circle[data-verdict]', 'fill');
    assert.notEqual(fill, await tab.evaluate(() => document.querySelector('#diagram polyline').getAttribute('stroke')));
    await pierRun('optqd', { txtnj: '5000', txtmj: '1500', txtag1: '45.239' });
    assert.deepEqual(await markers(), [[`Nj＝5000，η·Mj＝${amplifiedMoment(5000, 1500)}`, 'pass']]);
    assert.ok(!(await legend()).includes('配筋计算'));
    await pierRun('optqd', { txtnj: '8000', txtmj: '3000', txtag1: '45.239' });
    assert.deepEqual((await markers()).map(([, verdict]) => verdict), ['fail']);
  });

  await t.test('a check that ran as a design says so in the dialog', async () => {
    for (const area of ['', '0']) {
      await pierRun('optqd', { txtnj: '5000', txtmj: '3000', txtag1: area });
      assert.equal(await dialogText(), ranAsDesign);
      await closeMessage();
      assert.deepEqual(await values(['txtag2', 'txtjg']), { txtag2: ' 207.021', txtjg: '' });
      assert.equal(await tab.isChecked('#optqd'), true);
      assert.deepEqual((await markers()).map(([, verdict]) => verdict), ['design']);
    }
  });

  await t.test('nothing prints before a run, by the button or by the browser', async () => {
    await fresh();
    await tab.click('#cmdprint');
    assert.equal(await dialogText(), nothingToPrint);
    await closeMessage();
    assert.equal(await focusAfterMessage('cmdrun'), 'cmdrun');
    assert.equal(await tab.evaluate(() => window.printed), 0);
    // The browser's own print command prints the reason, not a sheet.
    await tab.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    assert.equal(await tab.textContent('#report'), nothingToPrint);
  });

  await t.test('a check\'s sheet shows the steel as typed and its area', async () => {
    await pierRun('optqd', { txtnj: '5000', txtmj: '3000', txtag1: ' 24D28 ' });
    await tab.click('#cmdprint');
    assert.equal(await dialogText(), null);
    assert.equal(await tab.evaluate(() => window.printed), 1);
    const lines = await tab.evaluate(() =>
      [...document.querySelectorAll('#report .line')].map((line) => [...line.children].map((s) => s.textContent)));
    assert.equal(lines.length, 6);
    // 24 bars of 6.158 cm2.
    assert.deepEqual(lines[3], ['校核钢筋＝24D28', '纵向钢筋面积＝ 147.792 cm2']);
    assert.deepEqual(lines[4].at(-1), '校核结果＝重新配筋！');
  });

  await t.test('an edit greys the results and the diagram until the next run', async () => {
    const none = { readOuts: readOuts.map(() => null), diagram: null };
    const all = { readOuts: readOuts.map(() => 'true'), diagram: 'true' };
    await pierRun('optpj', { txtnj: '5000', txtmj: '3000' });
    assert.deepEqual(await staleMarks(), none);
    const before = await values(readOuts);
    await tab.fill('#txtnj', '5001');
    assert.deepEqual(await staleMarks(), all);
    assert.deepEqual(await values(readOuts), before); // kept, greyed
    assert.notEqual(await tab.evaluate(() => getComputedStyle(document.getElementById('txtag2')).color),
      await tab.evaluate(() => getComputedStyle(document.getElementById('txtnj')).color));
    assert.equal(await tab.evaluate(() => getComputedStyle(document.getElementById('diagram'), '::before').content),
      '"输入已修改，此结果已过时，请重新运行"');
    await tab.click('#cmdprint');
    assert.equal(await dialogText(), staleResults);
    await closeMessage();
    assert.equal(await focusAfterMessage('cmdrun'), 'cmdrun');
    assert.equal(await tab.evaluate(() => window.printed), 1); // the check's, before
    // The run's own input again: fresh again. Another grade, another type: stale.
    await tab.fill('#txtnj', '5000');
    assert.deepEqual(await staleMarks(), none);
    await tab.selectOption('#cbohnt', '30号');
    assert.deepEqual(await staleMarks(), all);
    await tab.selectOption('#cbohnt', '25号');
    await tab.check('#optqd');
    assert.deepEqual(await staleMarks(), all);
    await tab.check('#optpj');
    assert.deepEqual(await staleMarks(), none);
    // A refused run changes nothing, the mark included; a run clears it.
    await tab.fill('#txtmj', '3,000');
    await tab.click('#cmdrun');
    await closeMessage();
    assert.deepEqual(await staleMarks(), all);
    await tab.fill('#txtmj', '2000');
    await tab.click('#cmdrun');
    assert.deepEqual(await staleMarks(), none);
    await tab.click('#cmdprint');
    assert.equal(await tab.evaluate(() => window.printed), 2);
  });

  await t.test('the member list draws its member again after a run of the form', async () => {
    await tab.waitForSelector('body[data-tables="ready"]', { timeout: 20000 });
    await tab.setInputFiles('#tablefile', exampleTable);
    await tab.waitForSelector('#tables:not([aria-busy]) #results tbody tr', { timeout: 60000 });
    const stems = () => tab.evaluate(() => [...document.querySelectorAll('#diagram svg')].map((s) => s.dataset.stem));
    const members = await stems();
    assert.ok(members.length > 0 && members.every((stem) => stem.startsWith('P1')), members.join());
    await tab.click('#cmdrun');
    assert.deepEqual((await stems()).map((stem) => stem.startsWith('N-M-')), [true]);
    assert.equal(await tab.evaluate(() => document.getElementById('member').selectedIndex), -1);
    await tab.selectOption('#member', '0');
    await tab.waitForFunction(() => document.querySelector('#diagram svg')?.dataset.stem.startsWith('P1'));
    assert.deepEqual(await stems(), members);
    // A member's diagrams are never greyed by the form's edits.
    await tab.fill('#txtnj', '1');
    assert.equal(await tab.evaluate(() => document.getElementById('diagram').dataset.stale ?? null), null);
  });

  await t.test('Enter runs; Tab visits the inputs, then 运行, then 打印', async () => {
    await fresh();
    await tab.selectOption('#cbohnt', '25号');
    await tab.selectOption('#cbogj', 'Ⅱ级');
    await tab.check('#optpj');
    for (const [id, text] of Object.entries({ ...pier, txtnj: '5000', txtmj: '3000' })) await tab.fill(`#${id}`, text);
    await tab.focus('#txtlj');
    await tab.keyboard.press('Enter');
    assert.equal(await tab.inputValue('#txtag2'), ' 207.021');

    await tab.focus('#cbohnt');
    const visited = [await focused()];
    for (let i = 0; i < 9; ++i) {
      await tab.keyboard.press('Tab');
      visited.push(await focused());
    }
    // The chosen option is the group's one stop; the hidden area field none.
    assert.deepEqual(visited, ['cbohnt', 'cbogj', 'txtnj', 'txtmj', 'txtzd', 'txtbc', 'txtlj', 'optpj',
      'cmdrun', 'cmdprint']);
    assert.deepEqual(await tab.evaluate((names) => names.map((id) => document.getElementById(id).tabIndex), readOuts),
      readOuts.map(() => -1));
    await tab.check('#optqd');
    await tab.focus('#txtlj');
    await tab.keyboard.press('Tab');
    await tab.keyboard.press('Tab');
    assert.equal(await focused(), 'txtag1');
  });

  await t.test('after a refusal the focus goes to the field at fault', async () => {
    const cases = [
      ['txtnj', '5,000', 'txtnj'],
      ['txtzd', '0', 'txtzd'],
      ['txtbc', '50', 'txtbc'],
      ['txtag1', '24D27', 'txtag1'],
      ['txtlj', '60', 'txtzd'], // too slender: the section is enlarged
    ];
    for (const [field, text, fault] of cases) {
      await pierRun('optqd', { txtnj: '5000', txtmj: '1500', txtag1: '45.239' });
      await tab.fill(`#${field}`, text);
      await tab.focus('#cmdrun');
      await tab.keyboard.press('Enter');
      assert.notEqual(await dialogText(), null, field);
      await tab.keyboard.press('Enter'); // 确定
      await tab.evaluate(() => new Promise((done) => setTimeout(done, 50)));
      assert.equal(await dialogText(), null);
      assert.equal(await focusAfterMessage(fault), fault, `${field} ${text}`);
    }
    await fresh();
    await tab.click('#cmdrun');
    await closeMessage();
    assert.equal(await focusAfterMessage('optpj'), 'optpj');
  });

  await t.test('示例 fills the design example, asking first where it replaces something', async () => {
    await fresh();
    await tab.click('#example');
    assert.equal(await tab.evaluate(() => document.getElementById('question').open), false);
    assert.deepEqual(await values(['cbohnt', 'cbogj', 'txtnj', 'txtmj', 'txtzd', 'txtbc', 'txtlj']),
      { cbohnt: '25号', cbogj: 'Ⅱ级', txtnj: '5000', txtmj: '3000', txtzd: '1.2', txtbc: '0.05', txtlj: '10' });
    assert.equal(await tab.isChecked('#optpj'), true);
    await tab.click('#cmdrun');
    assert.equal(await tab.inputValue('#txtag2'), ' 207.021');

    await tab.fill('#txtnj', '4000');
    await tab.click('#example');
    assert.equal(await tab.textContent('#question-text'), '用示例数据替换已输入的数据？');
    await tab.click('#question-cancel');
    await tab.evaluate(() => new Promise((done) => setTimeout(done, 50)));
    assert.equal(await tab.inputValue('#txtnj'), '4000');
    await tab.click('#example');
    await tab.click('#question-ok');
    await tab.waitForFunction(() => document.getElementById('txtnj').value === '5000');
    // The inputs are the run's again, and kept for the next visit.
    assert.equal(await tab.evaluate(() => document.getElementById('txtag2').dataset.stale ?? null), null);
    await tab.reload();
    await tab.waitForSelector('body[data-ready="true"]');
    assert.equal(await tab.inputValue('#txtnj'), '5000');
  });

  await t.test('清空 clears the form and its results after asking', async () => {
    await stubPrint();
    await pierRun('optqd', { txtnj: '5000', txtmj: '1500', txtag1: '45.239' });
    const shown = await values([...inputs, ...readOuts]);
    await tab.click('#clear');
    assert.equal(await tab.textContent('#question-text'), '清空全部输入和计算结果？');
    await tab.keyboard.press('Escape');
    await tab.evaluate(() => new Promise((done) => setTimeout(done, 50)));
    assert.deepEqual(await values([...inputs, ...readOuts]), shown);
    await tab.click('#clear');
    await tab.click('#question-ok');
    await tab.waitForFunction(() => document.getElementById('txtnj').value === ' ');
    const cleared = await tab.evaluate(() => ({
      lists: [...document.querySelectorAll('#form select')].map((s) => s.selectedIndex),
      options: [...document.querySelectorAll('#form input[type=radio]')].map((r) => r.checked),
      diagrams: document.querySelectorAll('#diagram svg').length,
    }));
    // The method stays as chosen, γ0 is 1.0 again, and no grade is picked.
    assert.deepEqual(cleared, { lists: [0, 1, -1, -1], options: [false, false], diagrams: 0 });
    const opening = { txtnj: ' ', txtmj: ' ', txtzd: ' ', txtbc: ' ', txtlj: ' ', txtag1: '' };
    assert.deepEqual(await values(inputs), opening);
    const texts = await values(readOuts);
    assert.equal(texts.txtnq, ' ');
    assert.equal(texts.txtd36, '');
    assert.equal(texts.txtss, '\u3000');
    await tab.click('#cmdprint');
    assert.equal(await dialogText(), nothingToPrint);
    await closeMessage();
    await tab.click('#cmdrun');
    assert.equal(await dialogText(), '请选择计算类型《配筋计算或强度验算！》');
    await closeMessage();
    await tab.reload();
    await tab.waitForSelector('body[data-ready="true"]');
    assert.deepEqual(await values(inputs), opening);
  });

  await t.test('帮助 explains both modes, the fields and units, the verdict, η and the diagram', async () => {
    await tab.click('#help-open');
    const help = await tab.evaluate(() => ({
      open: document.getElementById('help').open,
      headings: [...document.querySelectorAll('#help-text h3')].map((h) => h.textContent),
      text: document.getElementById('help-text').textContent,
    }));
    assert.equal(help.open, true);
    assert.ok(help.headings.length >= 5, help.headings.join());
    for (const said of ['配筋计算', '强度校核', '轴向力Nj（kN）', 'kN·m', '（m）', 'cm²', '24D28', '通过验算！',
      '重新配筋！', 'η', 'N–M', '变灰'])
      assert.ok(help.text.includes(said), said);
    await tab.keyboard.press('Escape');
    assert.equal(await tab.evaluate(() => document.getElementById('help').open), false);
    // The page's words name no program a Windows user does not have.
    assert.ok(!(await tab.evaluate(() => document.body.innerText)).includes('pilaro-batch'));
  });

  await t.test('nothing went wrong, and nothing left the file', async () => {
    assert.deepEqual(problems, []);
    assert.deepEqual(network().filter((url) => url !== pageUrl), []);
  });
});
