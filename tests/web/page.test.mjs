// The page in headless Chromium, opened from disk as a user would: the table,
// typing, the red box, the address, no network, and the printed report.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { test } from 'node:test';

import {
  cliPath, cliRows, defaultDesignTable, optionNames, pdfText, randomDesign,
  randomSource, testBrowser, typeInto,
} from './support.mjs';

const GREEN = 'rgb(128, 255, 128)';
const RED = 'rgb(255, 0, 0)';
const WHITE = 'rgb(255, 255, 255)';
const NONE = 'rgba(0, 0, 0, 0)';
const NEUTRAL = 'rgb(212, 212, 212)';

const open = testBrowser();

// The caption the built version gives: " Tavrel Version 2.0.020" for 2.0.20.
function versionCaption() {
  const version = execFileSync(cliPath, ['--version'], { encoding: 'utf8' }).trim().split(' ')[1];
  const [major, minor, revision] = version.split('.');
  return ` Tavrel Version ${major}.${minor}.${revision.padStart(3, '0')}`;
}

// Everything the table and the boxes show, read back from the page.
function readPage(page) {
  return page.evaluate(() => {
    const style = (e) => getComputedStyle(e);
    const heads = [...document.querySelectorAll('#heads th[scope=col]')];
    const rows = [...document.querySelectorAll('#results tr.result')];
    return {
      boxes: [...document.querySelectorAll('#inputs input')].map((b) => ({
        text: b.value, colour: style(b).backgroundColor, invalid: b.getAttribute('aria-invalid'),
        label: document.querySelector(`label[for="${b.id}"]`).textContent, title: b.title,
      })),
      heads: heads.map((h) => ({
        sizes: [...h.querySelectorAll('.head-size')].map((s) => s.textContent),
        colour: style(h).backgroundColor,
        spoken: h.querySelector('.screen-reader-only').textContent,
      })),
      rowHeads: rows.map((r) => r.querySelector('th').textContent),
      cells: heads.map((_, c) => rows.map((r) => r.querySelectorAll('td')[c].textContent)),
      cellColours: heads.map((_, c) => rows.map((r) => style(r.querySelectorAll('td')[c]).backgroundColor)),
      shown: rows.every((r) => [...r.querySelectorAll('td span')].every((s) => style(s).visibility === 'visible')),
      hidden: rows.every((r) => [...r.querySelectorAll('td')].every((td) =>
        style(td.firstChild).visibility === 'hidden' && style(td).backgroundColor === 'rgba(0, 0, 0, 0)')),
    };
  });
}

test('the default design shows the desktop table, colours and captions', async () => {
  const page = await open();
  const shown = await readPage(page);
  assert.deepEqual(shown.cells, defaultDesignTable());
  assert.ok(shown.shown);
  assert.deepEqual(shown.rowHeads, ['Deflection LTE:', 'Stress LTE:', 'Effectiveness:', 'Edge Loading:',
    'Corner Loading:']);
  assert.deepEqual(shown.heads.map((h) => h.sizes.join(' ')),
    ['1', '1.25', '1.5', '1.75', '2', '1.41 0.88', '1.66 1.13', '1.98 1.34']);
  for (const head of shown.heads) {
    assert.equal(head.colour, GREEN);
    assert.equal(head.spoken, 'acceptable');
  }
  assert.ok(shown.cellColours.flat().every((colour) => colour === NONE));
  assert.deepEqual(shown.boxes.map((b) => [b.label, b.text, b.title, b.colour]), [
    ['Dowel Spacing:', '12', 'Minimum: 6  Maximum: 36', WHITE],
    ['Joint Opening:', '0.25', 'Minimum: 0.005  Maximum: 3', WHITE],
    ['Slab Support Reaction Modulus:', '300', 'Minimum: 50  Maximum: 5000', WHITE],
    ['Wheel Load:', '9000', 'Minimum: 1000  Maximum: 50000', WHITE],
    ['Concrete Elastic Modulus:', '4000000', 'Minimum: 500000  Maximum: 10000000', WHITE],
    ['Slab Thickness:', '12', 'Minimum: 5  Maximum: 30', WHITE],
    ['Tire Pressure:', '90', 'Minimum: 20  Maximum: 500', WHITE],
  ]);
  assert.equal(await page.title(), 'Tavrel');
  assert.equal(await page.$eval('#caption', (e) => e.textContent), versionCaption());
  const legend = await page.$$eval('#legend li', (items) => items.map((i) =>
    [getComputedStyle(i.querySelector('.swatch')).backgroundColor, i.lastChild.textContent]));
  assert.deepEqual(legend, [[GREEN, '= Acceptable Option'],
    ['rgb(255, 255, 128)', '= Acceptable for Wide Lanes, Tied Shoulders, Good Support, and/or Low Traffic '],
    ['rgb(255, 128, 128)', '= Unacceptable Option']]);

  // The keyboard reaches the boxes in reading order, then the bars' heads with their working.
  await page.focus('#input-spacing');
  const order = [];
  for (let i = 0; i < 7; ++i) {
    order.push(await page.evaluate(() => document.activeElement.name));
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(order, optionNames);
  assert.equal(await page.evaluate(() => document.activeElement.closest('#heads') !== null), true);
  const working = await page.$eval('#working', (e) => (e.hidden ? '' : e.textContent));
  assert.match(working, /^acceptable\n1 in\. round bar\n/);
  assert.match(working, /Bearing stress: edge 1479 psi, corner 2469 psi$/);
});

test('typed designs give tavrel-cli\'s texts, grades and colours', async () => {
  const page = await open();
  const random = randomSource(90);
  const designs = [randomDesign(random), randomDesign(random),
    // Heavy wheel on a thin slab: conditional and unacceptable bars.
    ['18', '0.5', '100', '30000', '4000000', '7', '120']];
  for (const texts of designs) {
    for (let i = 0; i < 7; ++i) await typeInto(page, optionNames[i], texts[i]);
    const shown = await readPage(page);
    const cli = cliRows(texts);
    assert.equal(cli.status, 0);
    assert.ok(shown.shown, `${texts}`);
    assert.deepEqual(shown.cells, cli.rows.map((row) => row.texts), `${texts}`);
    const colours = { acceptable: GREEN, conditional: 'rgb(255, 255, 128)', unacceptable: 'rgb(255, 128, 128)' };
    assert.deepEqual(shown.heads.map((h) => h.colour), cli.rows.map((row) => colours[row.grade]));
    assert.deepEqual(shown.heads.map((h) => h.spoken.split(':')[0]), cli.rows.map((row) => row.grade));
  }
  // The last design grades some bars down, and colours the cells that did it.
  const shown = await readPage(page);
  assert.ok(shown.cellColours.flat().some((colour) => colour !== NONE));
  // Stress load transfer and effectiveness are never coloured.
  assert.ok(shown.cellColours.every((bar) => bar[1] === NONE && bar[2] === NONE));
});

test('an input out of range turns red and hides the results until it is mended', async () => {
  const page = await open();
  await typeInto(page, 'thickness', '4');
  await typeInto(page, 'spacing', '5.99');
  let shown = await readPage(page);
  assert.ok(shown.hidden);
  // Only the first box out of range is marked red; no grade stands.
  assert.deepEqual(shown.boxes.map((b) => b.colour), [RED, WHITE, WHITE, WHITE, WHITE, RED, WHITE]);
  assert.equal(shown.boxes[0].invalid, 'true');
  assert.ok(shown.heads.every((h) => h.colour === NEUTRAL));

  await typeInto(page, 'spacing', '12');
  shown = await readPage(page);
  assert.deepEqual(shown.boxes.map((b) => b.colour), [WHITE, WHITE, WHITE, WHITE, WHITE, RED, WHITE]);
  assert.equal(shown.boxes[0].invalid, 'false');
  assert.equal(shown.boxes[5].invalid, 'true');
  assert.ok(shown.hidden);

  await typeInto(page, 'thickness', '12');
  shown = await readPage(page);
  assert.ok(shown.boxes.every((b) => b.colour === WHITE));
  assert.ok(shown.shown);
  assert.deepEqual(shown.cells, defaultDesignTable());
});

test('the design travels in the address', async () => {
  const texts = ['15', '0.125', '200', '12000', '5000000', '10', '100'];
  const query = '?' + optionNames.map((name, i) => `${name}=${texts[i]}`).join('&');
  const page = await open(query);
  let shown = await readPage(page);
  assert.deepEqual(shown.boxes.map((b) => b.text), texts);
  assert.deepEqual(shown.cells, cliRows(texts).rows.map((row) => row.texts));

  // Typed fast, the address still ends on the last text.
  await typeInto(page, 'load', '9000');
  await page.waitForFunction(() => location.search.includes('load=9000'), { timeout: 2000 });
  const params = new URLSearchParams(await page.evaluate(() => location.search));
  assert.deepEqual(optionNames.map((name) => params.get(name)), [...texts.slice(0, 3), '9000', ...texts.slice(4)]);

  // A bad value in a link shows exactly as if typed; missing ones take the defaults.
  const bad = await open('?k=12abc&thickness=40');
  shown = await readPage(bad);
  assert.deepEqual(shown.boxes.map((b) => b.text), ['12', '0.25', '12abc', '9000', '4000000', '40', '90']);
  assert.deepEqual(shown.boxes.map((b) => b.colour), [WHITE, WHITE, RED, WHITE, WHITE, WHITE, WHITE]);
  assert.ok(shown.hidden);
  // Never run, the heads show no grade.
  assert.ok(shown.heads.every((h) => h.colour === NEUTRAL));
});

test('the printed report holds the inputs, the table, the grades and the disclaimer', async () => {
  const page = await open('?load=30000&thickness=7');
  const pdf = await page.pdf({ printBackground: true });
  const text = pdfText(pdf);
  for (const expected of ['Tavrel', 'Dowel sizing report', 'Wheel Load:', '30000', 'lbs', 'Slab Thickness:',
    'Dowel Diameter(s) (inches):', 'Corner Loading:', '= Unacceptable Option', 'DISCLAIMER:']) {
    assert.ok(text.includes(expected), `the report lacks "${expected}"`);
  }
  const texts = ['12', '0.25', '300', '30000', '4000000', '7', '90'];
  const rows = cliRows(texts).rows;
  for (const row of rows) {
    for (const value of row.texts) assert.ok(text.includes(value), `the report lacks ${value}`);
  }
  for (const grade of new Set(rows.map((row) => row.grade))) assert.ok(text.includes(grade), grade);
  assert.equal((await import('node:child_process')).execFileSync('pdfinfo', ['-'], { input: pdf, encoding: 'utf8' })
    .match(/Pages:\s+(\d+)/)[1], '1');
});
