// The textbook check under the results table: its verdicts are tavrel-cli's
// for the same design and inputs, a refused input says why, and the strengths
// follow a switch of units.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { after, before, test } from 'node:test';

import { cliPath, download, launchBrowser, openPage } from './support.mjs';

let browser;
before(async () => {
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
});

function cliVerdicts(args) {
  const run = spawnSync(cliPath, ['--format', 'csv', '--check', 'friberg', ...args], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  const lines = run.stdout.trim().split('\n').map((line) => line.split(','));
  const at = lines[0].indexOf('check_verdict');
  return lines.slice(1).map((fields) => fields[at]);
}

const verdicts = (page) => page.$$eval('.check-verdicts .verdict', (cells) => cells.map((c) => c.textContent));

test('the check shows tavrel-cli verdicts and refuses what it cannot take', async () => {
  const { page, refused, errors } = await openPage(browser, '?load=16000&thickness=8');
  assert.deepEqual(await verdicts(page), cliVerdicts(['--load', '16000', '--thickness', '8']));
  await page.type('#check-fc', '3000');
  await page.type('#check-load-share', '60');
  assert.deepEqual(await verdicts(page),
    cliVerdicts(['--load', '16000', '--thickness', '8', '--fc', '3000', '--load-share', '60']));
  const chain = await page.$eval('.check-chain', (d) => d.querySelector('summary').textContent);
  assert.match(chain, /^1 in\. round: (passes|fails)$/);
  // A chain opened after the design changed shows that design's steps, and
  // follows the design while it stays open.
  const firstRatio = () => page.$eval('.check-verdicts tbody tr td', (cell) => cell.textContent);
  const steps = () => page.$eval('.check-chain table', (t) => [...t.rows].map((row) => row.cells[1].textContent));
  await page.click('.check-chain summary');
  await page.waitForFunction(() => document.querySelector('.check-chain table').rows.length > 0);
  assert.equal((await steps()).length, 11);
  const atSixty = await firstRatio();
  assert.equal((await steps())[9], atSixty);
  await page.focus('#check-load-share');
  await page.keyboard.press('End');
  await page.keyboard.press('Backspace'); // 6 %
  assert.notEqual(await firstRatio(), atSixty);
  assert.equal((await steps())[9], await firstRatio());
  await page.keyboard.type('0');
  await page.click('.check-chain summary');

  await page.type('#check-fck', '4000');
  assert.equal(await page.$eval('#check-fck-refusal', (n) => n.textContent), "Give f'c or f_ck, not both.");
  await page.click('#check-fck', { clickCount: 3 });
  await page.keyboard.press('Backspace');
  await page.click('#units-si');
  assert.equal(await page.$eval('#check-fc', (b) => b.value), '20.684273');
  await page.click('#check-load-share', { clickCount: 3 });
  await page.keyboard.type('0');
  assert.equal(await page.$eval('#check-load-share-refusal', (n) => n.textContent),
    'Load share: 0 is out of range (allowed: 1 to 100 %)');
  assert.deepEqual(refused, []);
  assert.deepEqual(errors, []);
});

test('a design file keeps the check: opened, shown and saved again', async () => {
  const fs = await import('node:fs');
  const os = await import('node:os');
  const path = await import('node:path');
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tavrel-check-'));
  const file = path.join(work, 'checked.tavrel');
  const made = spawnSync(cliPath, ['--check', 'friberg-1.8l', '--fc', '3000', '--load', '16000',
    '--save-design', file], { encoding: 'utf8' });
  assert.equal(made.status, 0, made.stderr);
  const { page, errors } = await openPage(browser, '');
  await page.waitForSelector('#sizing-page[data-design-ready]');
  await (await page.$('#design-picker')).uploadFile(file);
  await page.waitForFunction(() => document.getElementById('check-fc')?.value === '3000');
  assert.equal(await page.$eval('#check-length', (s) => s.value), '1');
  const run = spawnSync(cliPath, ['--format', 'csv', '--design', file], { encoding: 'utf8' });
  const lines = run.stdout.trim().split('\n').map((line) => line.split(','));
  const at = lines[0].indexOf('check_verdict');
  assert.deepEqual(await verdicts(page), lines.slice(1).map((fields) => fields[at]));

  const saved = await download(page, '#design-save', path.join(work, 'saved'));
  const design = JSON.parse(fs.readFileSync(saved, 'utf8'));
  assert.equal(design.check, 'friberg-1.8l');
  assert.equal(design.inputs.fc, '3000');
  assert.deepEqual(errors, []);
});

test('on a phone every bar\'s check and every project detail can be read without scrolling sideways', async () => {
  const { page, errors } = await openPage(browser, '?load=16000', { width: 390, height: 844 });
  await page.waitForSelector('#sizing-page[data-design-ready]');
  await page.click('#design-details summary');
  const layout = await page.evaluate(() => {
    const shown = (e) => e.getClientRects().length > 0;
    const rows = [...document.querySelectorAll('#check-by-bar tbody tr')].filter(shown);
    return {
      beyond: [...document.querySelectorAll('#sizing-page *')].filter((e) => shown(e) && e.getBoundingClientRect().right > 391)
        .map((e) => e.id || e.className || e.tagName),
      rows: rows.map((row) => [...row.children].map((cell) => cell.textContent)),
      summaryHeights: [...document.querySelectorAll('.check-chain summary')].map((s) => s.getBoundingClientRect().height),
    };
  });
  assert.deepEqual(layout.beyond, []);
  const cli = cliVerdicts(['--load', '16000']);
  assert.deepEqual(layout.rows.map((row) => row[2]), cli);
  assert.ok(layout.rows.every((row) => row[0] && /^\d+\.\d{3}$/.test(row[1])), JSON.stringify(layout.rows));
  // Each chain's summary is a touch target a finger can hit: 24 px or more.
  assert.ok(layout.summaryHeights.length === 8 && layout.summaryHeights.every((h) => h >= 24), String(layout.summaryHeights));
  assert.deepEqual(errors, []);
});

test("a strength box shows what is read and never repeats a pasted page back", async () => {
  const { page, errors } = await openPage(browser, '');
  await page.waitForSelector('#check-fc');
  await page.type('#check-fc', '\u202e0004');
  assert.equal(await page.$eval('#check-fc', (b) => b.value), '0004');
  assert.match(await page.$eval('#check-fc-refusal', (n) => n.textContent), /^f'c: 0004 is out of range/);
  await page.$eval('#check-fc', (b) => {
    b.value = '4'.repeat(3) + 'x'.repeat(1000000);
    b.dispatchEvent(new Event('input'));
  });
  const refusal = await page.$eval('#check-fc-refusal', (n) => n.textContent);
  assert.ok(refusal.length < 200 && refusal.includes("'444xxx"), refusal.slice(0, 300));
  assert.deepEqual(errors, []);
});
