// The sizing page as a new user meets it: SI units, what each box says about
// its text, grades that never outlive their design, the fitted-range mark, a
// phone's screen, and the site kept for use without a network.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { test } from 'node:test';

import {
  cliPath, cliRows, optionNames, pdfText, randomSource, serveSite, testBrowser, typeInto,
} from './support.mjs';

const NEUTRAL = 'rgb(212, 212, 212)';
const RED = 'rgb(255, 0, 0)';

const open = testBrowser();

function readTable(page) {
  return page.evaluate(() => {
    const heads = [...document.querySelectorAll('#heads th[scope=col]')];
    const rows = [...document.querySelectorAll('#results tr.result')];
    return {
      cells: heads.map((_, c) => rows.map((r) => r.querySelectorAll('td')[c].textContent)),
      colours: heads.map((h) => getComputedStyle(h).backgroundColor),
      spoken: heads.map((h) => h.querySelector('.screen-reader-only').textContent),
      short: heads.map((h) => h.querySelector('.grade-short').textContent),
      shown: getComputedStyle(rows[0].querySelector('td span')).visibility === 'visible',
      units: [...document.querySelectorAll('#inputs .units')].map((u) => u.textContent),
      boxes: [...document.querySelectorAll('#inputs input')].map((b) => b.value),
      titles: [...document.querySelectorAll('#inputs input')].map((b) => b.title),
      bearing: document.querySelector('#results .bearing-section').textContent,
    };
  });
}

// What tavrel-cli says of SI: the defaults and units of its design line, and the
// allowed ranges of its help.
function cliSi() {
  const table = spawnSync(cliPath, ['--units', 'si'], { encoding: 'utf8' }).stdout;
  const design = table.split('\n')[0].replace('Design: ', '').split(', ').map((part) => part.split(' '));
  const help = spawnSync(cliPath, ['--units', 'si', '--help'], { encoding: 'utf8' }).stdout;
  const ranges = optionNames.map((name) => help.match(new RegExp(`--${name} VALUE .*\\((\\S+) to (\\S+)\\)`)).slice(1, 3));
  return { texts: design.map((d) => d[1]), units: design.map((d) => d[2]), ranges };
}

test('SI units: captions, ranges and results as tavrel-cli --units si gives them, and remembered', async () => {
  const si = cliSi();
  const page = await open();
  await page.click('#units-si');
  let shown = await readTable(page);
  assert.deepEqual(shown.boxes, si.texts);
  assert.deepEqual(shown.units, si.units);
  assert.deepEqual(shown.titles, si.ranges.map(([low, high]) => `Minimum: ${low}  Maximum: ${high}`));
  assert.equal(shown.bearing, 'Bearing Stress (MPa) -');
  assert.deepEqual(shown.cells, cliRows(si.texts, 'si').rows.map((row) => row.texts));
  // The bars are named in mm, as tavrel-cli --units si names them.
  const bars = await page.$$eval('#heads th[tabindex]',
    (heads) => heads.map((head) => [...head.querySelectorAll('.head-size')].map((size) => size.textContent).join('x')));
  assert.deepEqual(bars, cliRows(si.texts, 'si').rows.map((row) => row.dowel));

  const random = randomSource(5);
  for (let design = 0; design < 4; ++design) {
    const texts = si.ranges.map(([low, high]) => (Number(low) + random() * (high - low)).toPrecision(4));
    for (let i = 0; i < 7; ++i) await typeInto(page, optionNames[i], texts[i]);
    shown = await readTable(page);
    const cli = cliRows(texts, 'si');
    assert.equal(cli.status, 0, `${texts}`);
    assert.deepEqual(shown.cells, cli.rows.map((row) => row.texts), `${texts}`);
    assert.deepEqual(shown.spoken.map((s) => s.split(':')[0]), cli.rows.map((row) => row.grade));
  }
  await page.waitForFunction(() => location.search.includes('units=si'), { timeout: 2000 });

  // Opened again without a design, the browser remembers SI; back in US units
  // the design is the same.
  const again = await open();
  assert.equal((await readTable(again)).units[0], 'mm');
  await typeInto(again, 'spacing', '304.8');
  await again.click('#units-us');
  shown = await readTable(again);
  assert.deepEqual([shown.boxes[0], shown.units[0], shown.bearing], ['12', 'inches', 'Bearing Stress (psi) -']);
  await again.waitForFunction(() => !location.search.includes('units'), { timeout: 2000 });

  // A link with a design but no units is in US units, whatever this browser remembers.
  await again.click('#units-si');
  const link = await open('?spacing=14');
  shown = await readTable(link);
  assert.deepEqual([shown.boxes[0], shown.units[0]], ['14', 'inches']);
  assert.ok(shown.shown);
  await link.click('#units-si');
  await link.click('#units-us'); // the other tests open pages in US units
});

test('every refused box says why, tied to the box; only the first is red', async () => {
  const page = await open();
  await typeInto(page, 'spacing', '37');
  await typeInto(page, 'opening', 'abc');
  const boxes = await page.evaluate(() => [...document.querySelectorAll('#inputs input')].slice(0, 3).map((box) => ({
    colour: getComputedStyle(box).backgroundColor,
    said: box.getAttribute('aria-describedby').split(' ').map((id) => document.getElementById(id).textContent)
      .filter((text) => text).join(' | '),
  })));
  assert.deepEqual(boxes, [
    { colour: RED, said: 'inches | 37 is outside 6 to 36 inches' },
    { colour: 'rgb(255, 255, 255)', said: 'inches | Enter a number from 0.005 to 3 inches' },
    { colour: 'rgb(255, 255, 255)', said: 'psi/inch' },
  ]);
});

test('a text holding more than a number says what was read', async () => {
  const page = await open();
  for (const [text, read] of [['12abc', 'read as 12'], ['12 inches', 'read as 12'], ['12,5', 'read as 12'],
    ['12.5.5', 'read as 12.5'], [' 12.5 ', ''], ['12', '']]) {
    await typeInto(page, 'spacing', text);
    assert.equal(await page.$eval('#input-spacing-read', (e) => e.textContent), read, text);
  }
  // The reading itself is kept: 12abc grades as 12 does.
  await typeInto(page, 'thickness', '9in');
  assert.deepEqual((await readTable(page)).cells,
    cliRows(['12', '0.25', '300', '9000', '4000000', '9', '90']).rows.map((row) => row.texts));
});

test('no grade outlives its design, on screen or in print', async () => {
  const page = await open();
  await typeInto(page, 'spacing', '30');
  await typeInto(page, 'spacing', '37');
  let shown = await readTable(page);
  assert.ok(shown.colours.every((colour) => colour === NEUTRAL));
  assert.ok([...shown.spoken, ...shown.short].every((text) => text === ''));
  await page.focus('#heads th[scope=col]');
  assert.equal(await page.$eval('#working', (e) => e.hidden), true);
  const printed = pdfText(await page.pdf({ printBackground: true }));
  assert.match(printed, /The design is incomplete/);
  assert.match(printed, /Dowel Spacing: 37 is outside 6 to 36 inches/);
  assert.doesNotMatch(printed, /acceptable/);

  const script = await open('?spacing=%3Cscript%3E');
  shown = await readTable(script);
  assert.ok(shown.colours.every((colour) => colour === NEUTRAL));
});

test('format characters leave the box as they arrive, so it shows what it grades', async () => {
  const page = await open('?spacing=%E2%80%AE21');
  assert.equal(await page.$eval('#input-spacing', (b) => b.value), '21');
  const grades = cliRows(['21', '0.25', '300', '9000', '4000000', '12', '90']).rows.map((row) => row.grade);
  assert.deepEqual((await readTable(page)).spoken.map((s) => s.split(':')[0]), grades);

  await typeInto(page, 'spacing', '');
  await page.keyboard.sendCharacter('\u202e');
  await page.keyboard.type('1');
  await page.keyboard.sendCharacter('\u200b');
  await page.keyboard.type('8');
  assert.deepEqual(await page.$eval('#input-spacing', (b) => [b.value, b.selectionStart]), ['18', 2]);
});

test('the address carries the values as read, never a pasted text', async () => {
  const page = await open();
  await page.$eval('#input-spacing', (box) => {
    box.value = '14' + 'x'.repeat(1000000);
    box.dispatchEvent(new Event('input', { bubbles: true }));
  });
  await page.waitForFunction(() => new URLSearchParams(location.search).get('spacing') === '14', { timeout: 2000 });
  assert.ok((await page.evaluate(() => location.href.length)) < 400);
  assert.equal(await page.$eval('#input-spacing-read', (e) => e.textContent), 'read as 14');
});

test('results outside the fitted relations carry the mark and the note, in print too', async () => {
  const texts = ['6', '0.005', '50', '9000', '500000', '5', '90'];
  const query = '?' + optionNames.map((name, i) => `${name}=${texts[i]}`).join('&');
  const page = await open(query);
  const marked = cliRows(texts).rows.map((row) => row.note !== '');
  assert.ok(marked.includes(true) && marked.includes(false));
  const shown = await readTable(page);
  assert.deepEqual(shown.short.map((s) => s.endsWith('*')), marked);
  assert.equal(await page.$eval('#fitted-note', (e) => (e.hidden ? '' : e.textContent)),
    '* outside the range of the fitted relations');
  assert.match(pdfText(await page.pdf({ printBackground: true })), /\* outside the range of the fitted relations/);
});

test('each grade shows as a word, with its full wording on focus', async () => {
  const page = await open('?load=20000&thickness=7&spacing=18&opening=0.5&k=100&tire-pressure=120');
  const shown = await readTable(page);
  const grades = cliRows(['18', '0.5', '100', '20000', '4000000', '7', '120']).rows.map((row) => row.grade);
  assert.deepEqual(new Set(grades), new Set(['acceptable', 'conditional', 'unacceptable']));
  // One visible word per grade, different for each.
  const words = new Map(grades.map((grade, c) => [grade, shown.short[c]]));
  assert.equal(new Set(words.values()).size, 3);
  grades.forEach((grade, c) => assert.equal(shown.short[c], words.get(grade)));
  const conditional = grades.indexOf('conditional');
  await page.evaluate((c) => document.querySelectorAll('#heads th[scope=col]')[c].focus(), conditional);
  assert.match(await page.$eval('#working', (e) => e.textContent),
    /^conditional: acceptable for wide lanes, tied shoulders, good support and\/or low traffic\n[^]* psi/);
});

test('at phone width every bar can be read without scrolling, and nothing shifts', async () => {
  const page = await open('', { width: 390, height: 844 });
  const shift = await page.evaluate(() => new Promise((resolve) => {
    let sum = 0;
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) sum += entry.value;
    }).observe({ type: 'layout-shift', buffered: true });
    setTimeout(() => resolve(sum), 200);
  }));
  assert.ok(shift < 0.05, `layout shift ${shift}`);
  const layout = await page.evaluate(() => ({
    pageWidth: document.documentElement.scrollWidth,
    rows: [...document.querySelectorAll('#results-by-bar tbody tr')].map((row) => [...row.children].map((cell) => {
      const box = cell.getBoundingClientRect();
      return { right: box.right, width: box.width, text: cell.textContent };
    })),
  }));
  assert.ok(layout.pageWidth <= 390, `page ${layout.pageWidth} px wide`);
  assert.equal(layout.rows.length, 8);
  const expected = cliRows(['12', '0.25', '300', '9000', '4000000', '12', '90']).rows;
  layout.rows.forEach((cells, c) => {
    assert.ok(cells.every((cell) => cell.right <= 390 && cell.width > 0), `bar ${c}`);
    assert.deepEqual(cells.slice(1).map((cell) => cell.text), expected[c].texts);
  });
});

test('served over HTTP, the site installs and reloads with the network gone', async () => {
  const server = await serveSite();
  const page = await open.browser().newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  try {
    await page.goto(server.url + '?spacing=15');
    await page.waitForSelector('html[data-ready]');
    await page.evaluate(() => navigator.serviceWorker.ready);
    const session = await page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    await server.close();
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    const shown = await readTable(page);
    assert.equal(shown.boxes[0], '15');
    assert.deepEqual(shown.cells, cliRows(['15', '0.25', '300', '9000', '4000000', '12', '90']).rows.map((r) => r.texts));
    assert.deepEqual(errors, []);
  } finally {
    await server.close();
    await page.close();
  }
});

test('the report view opens and closes by keyboard, and focus comes back to "Report"', async () => {
  const page = await open('');
  await page.waitForSelector('#report-open');
  await page.focus('#report-open');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#report-view:not([hidden])');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'report-print');
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#report-view', (view) => view.hidden), true);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'report-open');
});

test('a detail without spaces wraps in the report instead of widening every page', async () => {
  const page = await open('');
  await page.waitForSelector('#report-open');
  await page.$eval('#detail-engineer', (field) => { field.value = 'W'.repeat(300); });
  await page.click('#report-open');
  await page.waitForSelector('#report-view:not([hidden]) .report-document');
  const widths = await page.$eval('.report-document', (d) => [d.scrollWidth, d.clientWidth]);
  assert.ok(widths[0] <= widths[1], `report ${widths[0]} px wide in ${widths[1]} px`);
});
