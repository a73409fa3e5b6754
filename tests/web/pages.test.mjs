// The "Dowel Spacing" and "About Tavrel" pages and the tabs, in headless
// Chromium: every comparison value, caption and percentage against
// tavrel-cli --comparison, the layout figures' dowels, and the keyboard.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';

import { cliPath, siteDir, testBrowser } from './support.mjs';

const openSitePage = testBrowser();

async function open(address = '', viewport) {
  const page = await openSitePage(address, viewport);
  await page.waitForSelector('#spacing-page[data-ready]');
  return page;
}

// tavrel-cli's comparison CSV as records; fields may be quoted with "" inside.
function cliComparison() {
  const text = execFileSync(cliPath, ['--comparison'], { encoding: 'utf8' });
  const rows = text.trim().split('\n').map((line) =>
    [...line.matchAll(/("(?:[^"]|"")*"|[^,]*)(,|$)/g)].slice(0, -1)
      .map((m) => m[1].startsWith('"') ? m[1].slice(1, -1).replaceAll('""', '"') : m[1]));
  const header = rows.shift();
  return rows.map((fields) => Object.fromEntries(header.map((name, i) => [name, fields[i]])));
}

// The chart's change as a reader works it out from the two values the table holds.
function expectedChange(baseline, alternative) {
  const [b0, b1] = [Math.fround(baseline), Math.fround(alternative)];
  const percent = b0 === 0 ? 0 : Math.round(Math.abs(b1 - b0) / b0 * 100);
  return percent === 0 ? '0%' : (b1 > b0 ? '+' : '-') + percent + '%';
}

// Chooses (a, v, d, q) through the controls, as a user would, and reads back
// every text the choice shows.
function chooseAndRead(page, choices) {
  return page.evaluate((choices) => {
    const pick = (element) => {
      element.checked = true;
      element.dispatchEvent(new Event('change', { bubbles: true }));
    };
    const choose = (select, index) => {
      select.selectedIndex = index;
      select.dispatchEvent(new Event('change', { bubbles: true }));
    };
    const text = (selector) => document.querySelector(selector).textContent;
    const labelOf = (input) => input.closest('label').textContent;
    return choices.map(({ a, v, d, q }) => {
      pick(document.querySelector(`input[name="analysis-type"][value="${a}"]`));
      pick(document.querySelector(`input[name="layout-${a}"][value="${v}"]`));
      choose(document.getElementById('spacing-dowel'), d);
      choose(document.getElementById('spacing-plot'), q);
      const captions = [...document.querySelectorAll('.bar-captions p')].map((p) =>
        [...p.children].map((span) => span.textContent));
      return {
        type: labelOf(document.querySelector('input[name="analysis-type"]:checked')),
        variant: labelOf(document.querySelector(`input[name="layout-${a}"]:checked`)),
        visibleGroups: [...document.querySelectorAll('.spacing-choices fieldset')].filter((f) => !f.hidden).length,
        dowel: document.getElementById('spacing-dowel').selectedOptions[0].textContent,
        axis: [...document.querySelectorAll('.axis-title span')].map((s) => s.textContent).join(' '),
        values: [...document.querySelectorAll('.bar-value')].map((s) => s.textContent),
        heights: [...document.querySelectorAll('.bar')].map((b) => b.getBoundingClientRect().height),
        percent: text('.percent'),
        captions,
        savings: document.querySelector('.savings').hidden ? null : text('#savings'),
        address: location.hash,
      };
    });
  }, choices);
}

test('all 288 comparison values, captions and changes are tavrel-cli\'s', async () => {
  const rows = cliComparison();
  assert.equal(rows.length, 288);
  const key = (r) => `${r.a},${r.v},${r.d},${r.q}`;
  const byKey = new Map(rows.map((r) => [key(r), r]));
  const page = await open('#spacing');
  const shown = await chooseAndRead(page, rows.map((r) => ({ a: +r.a, v: +r.v, d: +r.d, q: +r.q })));
  rows.forEach((row, i) => {
    const s = shown[i];
    const where = key(row);
    const baseline = byKey.get(`${row.a},0,${row.d},${row.q}`);
    const decimals = row.unit === 'psi' ? 0 : 3;
    assert.equal(s.type, row.analysis_type, where);
    assert.equal(s.variant, row.variant, where);
    assert.equal(s.visibleGroups, 3, where); // the type, its own variants, the dowel
    assert.equal(s.dowel, row.dowel, where);
    assert.equal(s.axis, `${row.quantity} (${row.unit})`, where);
    assert.deepEqual(s.values, [Number(baseline.value).toFixed(decimals), Number(row.value).toFixed(decimals)], where);
    assert.equal(s.percent, expectedChange(baseline.value, row.value), where);
    // The bars stand in the ratio of their values.
    const ratio = Math.fround(row.value) / Math.fround(baseline.value);
    assert.ok(Math.abs(s.heights[1] / s.heights[0] - ratio) < 0.02, `${where}: bars ${s.heights}`);
    // The bars are captioned with the layouts chosen: the same count or distance.
    const number = (t) => t.match(/\d+/)[0];
    assert.equal(number(s.captions[1][0]), number(row.variant), where);
    assert.equal(number(s.captions[0][0]), number(byKey.get(`${row.a},0,${row.d},${row.q}`).variant), where);
    assert.equal(s.captions[0][1], '(Baseline)', where);
    if (row.v === '0') assert.equal(s.captions[1][1], '(Baseline)', where);
    assert.equal(s.savings === null, row.a === '0', where);
    assert.equal(s.address, `#spacing?type=${row.a}&layout=${row.v}&dowel=${row.d}&plot=${row.q}`, where);
  });
});

test('the choices travel in the address, and nonsense there is ignored', async () => {
  const page = await open('#spacing?type=2&layout=3&dowel=5&plot=3');
  const [shown] = await chooseAndRead(page, [{ a: 2, v: 3, d: 5, q: 3 }]);
  const before = await page.evaluate(() => ({
    type: document.querySelector('input[name="analysis-type"]:checked').value,
    slab: document.getElementById('slab-class').textContent,
  }));
  assert.equal(shown.type, 'Alternate Dowel Spacings');
  assert.equal(before.type, '2');
  assert.equal(before.slab, 'Thick Slab (~14")');
  assert.equal(shown.savings, '33%');

  const odd = await open('#spacing?type=7&layout=-1&dowel=1e3&plot=%3Cb%3E');
  const state = await odd.evaluate(() => location.hash);
  assert.equal(state, '#spacing?type=0&layout=1&dowel=1&plot=0');
  assert.equal(await odd.$eval('.percent', (e) => e.textContent), '+9%');
});

test('each layout drawing has its dowels where the layout puts them', async () => {
  const page = await open('#spacing');
  const choices = [];
  for (let a = 0; a < 3; ++a) for (let v = 0; v < 4; ++v) choices.push({ a, v, d: 1, q: 0 });
  const figures = await page.evaluate(async (choices) => {
    const found = {};
    for (const { a, v } of choices) {
      const button = document.querySelector(`input[name="analysis-type"][value="${a}"]`);
      button.checked = true;
      button.dispatchEvent(new Event('change', { bubbles: true }));
      const variant = document.querySelector(`input[name="layout-${a}"][value="${v}"]`);
      variant.checked = true;
      variant.dispatchEvent(new Event('change', { bubbles: true }));
      for (const svg of document.querySelectorAll('.drawing svg.figure')) {
        const [left, right] = svg.dataset.face.split(' ').map(Number);
        found[svg.dataset.picture] = {
          left, right,
          dowels: [...svg.querySelectorAll('g.dowel')].map((g) => {
            const box = g.firstChild.getBBox();
            return box.x + box.width / 2;
          }),
          labels: [...svg.querySelectorAll('text')].map((t) => t.textContent),
          shownWidth: svg.getBoundingClientRect().width,
        };
      }
    }
    return found;
  }, choices);
  // What the layouts say, straight from the rules module.
  const distances = await page.evaluate(async () => {
    const rules = await tavrelPages.rules();
    return Array.from({ length: 13 }, (_, p) => rules.figure(p).distances);
  });
  assert.equal(Object.keys(figures).length, 13);
  let cornerScale = null;
  for (const [picture, figure] of Object.entries(figures)) {
    const layout = distances[picture];
    assert.ok(figure.shownWidth > 50, `picture ${picture} is drawn`);
    if (figure.dowels.length > 1 || layout.length > 1) {
      assert.equal(figure.dowels.length, layout.length - 1, `picture ${picture}`);
      assert.deepEqual(figure.labels, layout.map(String), `picture ${picture}`);
      let inches = 0;
      figure.dowels.forEach((x, i) => {
        inches += layout[i];
        const at = (x - figure.left) / (figure.right - figure.left) * 144;
        assert.ok(Math.abs(at - inches) < 0.05, `picture ${picture} dowel ${i} at ${at} in., not ${inches}`);
      });
    } else {
      assert.deepEqual(figure.labels, [`${layout[0]}"`]);
      const scale = (figure.dowels[0] - figure.left) / layout[0];
      cornerScale ??= scale;
      assert.ok(Math.abs(scale - cornerScale) < 1e-6, `picture ${picture}: dowel not at ${layout[0]} in.`);
    }
  }
});

test('the tabs follow the keyboard, the address and the back button', async () => {
  const page = await open();
  const state = () => page.evaluate(() => ({
    selected: [...document.querySelectorAll('[role=tab]')].filter((t) => t.getAttribute('aria-selected') === 'true').map((t) => t.id),
    stops: [...document.querySelectorAll('[role=tab]')].filter((t) => t.tabIndex === 0).map((t) => t.id),
    focused: document.activeElement.id,
    shown: [...document.querySelectorAll('[role=tabpanel]')].filter((p) => !p.hidden).map((p) => p.id),
    page: location.hash.split('?')[0],
  }));
  await page.focus('#tab-sizing');
  const steps = [
    ['ArrowRight', 'spacing'], ['ArrowRight', 'about'], ['ArrowRight', 'sizing'], ['ArrowLeft', 'about'],
    ['Home', 'sizing'], ['End', 'about'],
  ];
  for (const [key, name] of steps) {
    await page.keyboard.press(key);
    const now = await state();
    assert.deepEqual(now, { selected: [`tab-${name}`], stops: [`tab-${name}`], focused: `tab-${name}`, shown: [`${name}-page`], page: `#${name}` }, key);
  }
  // One tab stop: Tab leaves the row for the page.
  await page.keyboard.press('Tab');
  assert.ok(!(await state()).focused.startsWith('tab-'));

  // Back goes to the page before, and the address opens the page it names.
  await page.goBack();
  assert.deepEqual((await state()).shown, ['sizing-page']);
  await page.goBack();
  assert.deepEqual((await state()).shown, ['about-page']);
  const shared = await open('#about');
  assert.deepEqual(await shared.$$eval('[role=tabpanel]:not([hidden])', (p) => p.map((e) => e.id)), ['about-page']);
});

test('the About page links out safely and ships the guidelines', async () => {
  const page = await open('#about');
  const links = await page.$$eval('#about-page a, a.guidelines', (all) =>
    all.map((a) => ({ href: a.getAttribute('href'), target: a.target, rel: a.rel, text: a.textContent })));
  const sites = links.filter((l) => l.href.startsWith('http://'));
  assert.equal(sites.length, 3);
  for (const link of links) {
    assert.equal(link.target, '_blank', link.href);
    assert.ok(link.rel.split(' ').includes('noopener'), link.href);
  }
  for (const site of sites) assert.ok(site.text.includes(new URL(site.href).host), site.href);
  for (const document of links.filter((l) => !l.href.startsWith('http'))) {
    assert.ok(fs.statSync(path.join(siteDir, document.href)).size > 1000, document.href);
  }
  const text = await page.$eval('#about-page', (e) => e.innerText);
  for (const expected of ['Dowel Spacing Analysis Assumptions', 'Modulus of Reaction: 200 psi/in. (5500 g/cm³)', 'DISCLAIMER:']) {
    assert.ok(text.includes(expected), expected);
  }
});
