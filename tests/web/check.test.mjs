// The textbook check under the results table: its verdicts are tavrel-cli's
// for the same design and inputs, a refused input says why, and the strengths
// follow a switch of units.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { after, before, test } from 'node:test';

import { cliPath, launchBrowser, openPage } from './support.mjs';

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
