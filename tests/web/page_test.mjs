// The page in headless Chromium, opened from disk: no request leaves it,
// the README's worked examples typed into the form give the desktop's
// read-outs, a refused field or a stopped run shows its message and
// changes nothing, the inputs survive a reload, and the printed report
// holds the desktop's report lines 15 mm from the paper's edges.
//   node page_test.mjs PAGE CHROMIUM NODE_MODULES PDFTOTEXT
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join, resolve } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { openBrowser } from './browser.mjs';

const [page, chromiumPath, nodeModules, pdftotext] = process.argv.slice(2);
const pageUrl = pathToFileURL(resolve(page)).href;

const readOuts = ['txtd12', 'txtd14', 'txtd16', 'txtd18', 'txtd20', 'txtd22', 'txtd25', 'txtd28',
  'txtd32', 'txtd34', 'txtd36', 'txtag2', 'txtss', 'txtsa', 'txtsb', 'txtsc', 'txtsd', 'txtpjl',
  'txtnq', 'txtmq', 'txtqjl', 'txtjg'];

// The README's worked examples, as the desktop shows them.
const pier = { txtzd: '1.2', txtbc: '0.05', txtlj: '10' };
const design = {
  option: 'optpj',
  fields: { ...pier, txtnj: '5000', txtmj: '3000' },
  shows: { txtag2: ' 207.021', txtpjl: ' .0183', txtd12: ' 183', txtd14: ' 135', txtd16: ' 103',
    txtd18: ' 82', txtd20: ' 66', txtd22: ' 55', txtd25: ' 43', txtd28: ' 34', txtd32: ' 26',
    txtd34: ' 23', txtd36: ' 21', txtss: ' .5167', txtsa: ' 1.22629', txtsb: ' .63692',
    txtsc: ' .07825', txtsd: ' 1.87936', txtnq: '', txtmq: '', txtqjl: '', txtjg: '' },
};
const checkPasses = {
  option: 'optqd',
  fields: { ...pier, txtnj: '5000', txtmj: '1500', txtag1: '45.239' },
  shows: { txtnq: ' 6037.51', txtmq: ' 1809.547', txtqjl: ' .004', txtjg: '通过验算！',
    txtag2: '', txtpjl: '', txtd12: '', txtd36: '' },
};
const checkFails = {
  option: 'optqd',
  fields: { ...pier, txtnj: '8000', txtmj: '3000', txtag1: '45.239' },
  shows: { txtnq: ' 4339.491', txtjg: '重新配筋！' },
};

// The design example's sheet as the desktop prints it, word by word.
const designSheet = [
  '圆形Pilaro结果',
  '混凝土标号= 14500 KPa 混凝土弹性模量＝ 28500000 KPa 钢筋强度= 340000 KPa 钢筋弹性模量= 200000000 KPa',
  '纵向力Nj＝ 5000 KN 弯矩Mj= 3000 KN-m 直径＝ 1.2 m 保护层厚度= .05 m 计算长度= 10 m',
  '钢筋直径D12＝ 183 根 D14= 135 D16= 103 D18= 82 D20= 66',
  'D22= 55 D25= 43 D28= 34 D32= 26 D34= 23 D36= 21',
  '纵向钢筋面积＝ 207.021 cm2 配筋率＝ .0183',
  '系数ξ= .5167 A= 1.22629 B= .63692 C= .07825 D= 1.87936',
];
const marginPoints = (15 / 25.4) * 72;

const browser = await openBrowser(chromiumPath, nodeModules);
const { tab, profile, problems, network } = browser;

const open = async () => tab.waitForSelector('body[data-ready="true"]', { timeout: 10000 });
const values = (ids) =>
  tab.evaluate((names) => Object.fromEntries(names.map((id) => [id, document.getElementById(id).value])), ids);
async function fill({ option, fields }) {
  await tab.check(`#${option}`);
  for (const [id, text] of Object.entries(fields)) await tab.fill(`#${id}`, text);
}
async function dialogText() {
  const open = await tab.evaluate(() => document.getElementById('message').open);
  return open ? tab.textContent('#message-text') : null;
}

test('the page', async (t) => {
  t.after(() => browser.close());
  await tab.goto(pageUrl);
  await open();

  await t.test('opens from disk with no request but the file itself', async () => {
    assert.deepEqual(network(), [pageUrl]);
    assert.deepEqual(problems, []);
  });

  await t.test('starts like the window: nothing chosen, the area field hidden', async () => {
    const start = await tab.evaluate(() => ({
      concrete: document.getElementById('cbohnt').selectedIndex,
      steel: document.getElementById('cbogj').selectedIndex,
      entries: [...document.getElementById('cbohnt').options].map((o) => o.textContent),
      options: [...document.querySelectorAll('input[type=radio]')].map((o) => [o.id, o.checked]),
      areaHidden: document.getElementById('txtag1').hidden,
      // The archived method's read-outs; the current code's are hidden.
      readOnly: [...document.querySelectorAll('input[readonly]')].filter((i) => !i.closest('[hidden]')).length,
      run: document.getElementById('cmdrun').textContent,
    }));
    assert.deepEqual(start, {
      concrete: -1,
      steel: -1,
      entries: ['15号', '20号', '25号', '30号', '40号', '50号', '60号'],
      options: [['optpj', false], ['optqd', false]],
      areaHidden: true,
      readOnly: readOuts.length,
      run: '运  行',
    });
  });

  await t.test('a run without a type shows its message and changes nothing', async () => {
    const before = await values(readOuts);
    await tab.click('#cmdrun');
    assert.equal(await dialogText(), '请选择计算类型《配筋计算或强度验算！》');
    await tab.click('#message-ok');
    assert.equal(await dialogText(), null);
    assert.deepEqual(await values(readOuts), before);
  });

  await t.test('the worked examples give the desktop read-outs', async () => {
    await tab.selectOption('#cbohnt', '25号');
    await tab.selectOption('#cbogj', 'Ⅱ级');
    for (const example of [design, checkPasses, checkFails]) {
      await fill(example);
      await tab.click('#cmdrun');
      assert.equal(await dialogText(), null);
      assert.deepEqual(await values(Object.keys(example.shows)), example.shows);
      assert.equal(await tab.isVisible('#txtag1'), example.option === 'optqd');
    }
  });

  await t.test('a stopped run shows its message and changes nothing', async () => {
    const before = await values(readOuts);
    await tab.fill('#txtzd', '0');
    await tab.click('#cmdrun');
    assert.equal(await dialogText(), '圆形直径不能为零，请输入圆形直径！');
    await tab.keyboard.press('Escape');
    assert.equal(await dialogText(), null);
    assert.deepEqual(await values(readOuts), before);
  });

  await t.test('a refused field shows its message and changes nothing', async () => {
    const before = await values(readOuts);
    await tab.fill('#txtzd', pier.txtzd);
    await tab.fill('#txtnj', '5,000');
    await tab.click('#cmdrun');
    assert.equal(
      await dialogText(),
      '轴向力输入有误：“5,000”不是一个数。请用小数点，不要加单位或千分位逗号。',
    );
    await tab.click('#message-ok');
    assert.deepEqual(await values(readOuts), before);
  });

  await t.test('the inputs survive a reload', async () => {
    await tab.fill('#txtnj', checkFails.fields.txtnj);
    await tab.reload();
    await open();
    assert.deepEqual(await values(['cbohnt', 'cbogj', ...Object.keys(checkFails.fields)]), {
      cbohnt: '25号',
      cbogj: 'Ⅱ级',
      ...checkFails.fields,
    });
    assert.equal(await tab.isChecked('#optqd'), true);
    // The restored choices are the state's again: the same run, the same answer.
    await tab.click('#cmdrun');
    assert.deepEqual(await values(Object.keys(checkFails.shows)), checkFails.shows);
  });

  await t.test('printing gives the report lines 15 mm from the edges', async () => {
    await fill(design);
    await tab.click('#cmdrun');
    await tab.evaluate(() => {
      window.print = () => {}; // the browser's print dialog is not driven here
    });
    await tab.click('#cmdprint');
    const pdf = join(profile, 'report.pdf');
    await tab.pdf({ path: pdf, preferCSSPageSize: true, format: 'A4' });
    const words = [...execFileSync(pdftotext, ['-bbox', pdf, '-']).toString().matchAll(
      /<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<\/word>/g)];
    const [, width, height] = words.shift();
    // Words grouped into lines by their height on the page, left to right.
    const lines = [];
    for (const [, , , xMin, yMin, xMax, yMax, text] of words) {
      assert.ok(Number(xMin) >= marginPoints - 0.01 && Number(xMax) <= width - marginPoints, text);
      assert.ok(Number(yMin) >= marginPoints - 0.01 && Number(yMax) <= height - marginPoints, text);
      let line = lines.find((l) => Math.abs(l.yMin - Number(yMin)) < 1);
      if (!line) lines.push((line = { yMin: Number(yMin), words: [] }));
      line.words.push({ x: Number(xMin), text });
    }
    lines.sort((a, b) => a.yMin - b.yMin);
    for (const line of lines) line.words = line.words.sort((a, b) => a.x - b.x).map((w) => w.text);
    assert.deepEqual(lines.map((line) => line.words.join(' ')), designSheet);
    assert.ok(lines[0].yMin < marginPoints + 5, 'the sheet starts at the top margin');
    // The second line starts four columns from the left margin, as placed.
    const placed = await tab.evaluate(() => document.querySelector('#report .line:nth-child(2) span').offsetLeft);
    const firstWord = Number(words.find(([, , , , , , , text]) => text === '混凝土标号=')[3]);
    assert.ok(Math.abs(firstWord - (marginPoints + placed * 0.75)) < 0.5, `${firstWord}`);
  });

  await t.test('nothing went wrong on the way', async () => {
    assert.deepEqual(problems, []);
    assert.deepEqual(new Set(network()), new Set([pageUrl]));
  });
});
