// The design as a file on the web page, in headless Chromium: a file the window
// wrote opens as it was left, the page's own file reads back identically (and
// in tavrel-cli), and each kind of bad file is named with what is wrong.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { cliPath, download, optionNames, testBrowser } from './support.mjs';

const openSitePage = testBrowser();
const designs = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', 'designs');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tavrel-designs-'));

async function open() {
  const page = await openSitePage('');
  await page.waitForSelector('#sizing-page[data-design-ready]');
  await page.waitForSelector('#spacing-page[data-ready]');
  return page;
}

async function openFile(page, file) {
  await page.$eval('#design-message', (m) => { m.hidden = true; });
  const picker = await page.$('#design-picker');
  await picker.uploadFile(file);
  await page.waitForFunction(() => !document.getElementById('design-message').hidden);
  return page.$eval('#design-message', (m) => m.textContent);
}

// What the page shows of a design: the units, the boxes, the details, the choices.
function shown(page) {
  return page.evaluate(() => ({
    units: document.getElementById('units-si').checked ? 'si' : 'us',
    texts: Array.from(document.querySelectorAll('#inputs input'), (box) => box.value),
    project: Object.fromEntries(Array.from(document.querySelectorAll('.design-details-form [name]'),
      (field) => [field.name, field.value])),
    spacing: tavrelPages.spacing.choices(),
  }));
}

// Saves through the "Save..." button and returns the downloaded file's path.
const save = (page, folder) => download(page, '#design-save', folder);

function withoutRecord(file) {
  const design = JSON.parse(fs.readFileSync(file, 'utf8'));
  delete design.saved;
  delete design['program-version'];
  return design;
}

for (const maker of ['window', 'cli']) {
  test(`a design ${maker === 'cli' ? 'tavrel-cli' : 'the window'} saved opens as it was left, and the page saves it identically`, async () => {
    const page = await open();
    const windowFile = path.join(designs, maker + '.tavrel');
    assert.equal(await openFile(page, windowFile), `Opened ${maker}.tavrel.`);
    const design = withoutRecord(windowFile);
    assert.deepEqual(await shown(page), {
      units: 'us',
      texts: optionNames.map((name) => design.inputs[name]),
      project: design.project,
      spacing: { type: 1, layouts: [2, 3, 0], dowel: 4, plot: 2 },
    });

    const saved = await save(page, path.join(work, maker));
    assert.equal(path.basename(saved), 'Route 9 — rehabilitation.tavrel');
    assert.deepEqual(withoutRecord(saved), design);
    // tavrel-cli takes the page's file as the design the page shows.
    const table = execFileSync(cliPath, ['--design', saved], { encoding: 'utf8' });
    assert.equal(table.split('\n')[0], 'Design: spacing 14 inches, opening 0.2 inches, k 250 psi/inch, ' +
      'load 10000 lbs, ec 4500000 psi, thickness 10 inches, tire-pressure 100 psi');
  });
}

test('texts out of range and details beyond ASCII survive a save and an open', async () => {
  const page = await open();
  await page.$eval('#input-spacing', (box) => { box.value = ''; });
  await page.type('#input-spacing', '999');
  await page.click('#units-si');
  await page.click('#design-details summary');
  await page.type('#detail-project', 'Rte/9: "North"');
  await page.type('#detail-notes', 'Ligne 1\nΣ 2');
  const before = await shown(page);
  const saved = await save(page, path.join(work, 'range'));
  assert.equal(path.basename(saved), 'Rte-9- -North-.tavrel');

  const again = await open();
  assert.equal(await openFile(again, saved), `Opened ${path.basename(saved)}.`);
  assert.deepEqual(await shown(again), before);
  assert.equal(before.units, 'si');
});

test('the longest project a design keeps still saves, under a name every file system takes', async () => {
  const page = await open();
  await page.click('#design-details summary');
  await page.$eval('#detail-project', (field) => { field.value = 'Route 9 \u{1F600}'.repeat(100); });
  const saved = await save(page, path.join(work, 'long'));
  const name = path.basename(saved);
  assert.ok(Buffer.byteLength(name) <= 255 && name.startsWith('Route 9 \u{1F600}Route') && name.endsWith('.tavrel'), name);
  assert.equal(JSON.parse(fs.readFileSync(saved, 'utf8')).project.project.length, 1000);
});

test('each kind of bad file is named with what is wrong, and the design stays', async () => {
  const page = await open();
  const files = {
    'newer.tavrel': '{"format": "tavrel-design", "version": 3, "inputs": {"spacing": "20"}}',
    'broken.tavrel': '{"format": "tavrel-design",\n  "version": 1,,}',
    'wrong.tavrel': '{"format": "tavrel-design", "version": 1, "inputs": {"spacing": 20}}',
    'huge.tavrel': ' '.repeat(1024 * 1024 + 1),
  };
  const messages = {};
  const before = await shown(page);
  for (const [name, text] of Object.entries(files)) {
    fs.writeFileSync(path.join(work, name), text);
    messages[name] = await openFile(page, path.join(work, name));
  }
  assert.deepEqual(messages, {
    'newer.tavrel': 'newer.tavrel: made by a newer Tavrel (version 3)',
    'broken.tavrel': messages['broken.tavrel'].startsWith('broken.tavrel: line 2, column 16: ')
      ? messages['broken.tavrel'] : 'a syntax error with its line and column',
    'wrong.tavrel': 'wrong.tavrel: inputs.spacing: expected a text',
    'huge.tavrel': 'huge.tavrel: larger than 1 MiB: not a Tavrel design',
  });
  assert.deepEqual(await shown(page), before);
});
