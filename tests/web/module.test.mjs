// The WebAssembly module alone, in Node.js: for 1000 random designs every text
// and grade is tavrel-cli's on the desktop.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import path from 'node:path';
import test from 'node:test';

import {
  cliDesigns, cliRows, limits, optionNames, randomDesign, randomSource, siteDir,
} from './support.mjs';

const require = createRequire(import.meta.url);
const createTavrel = require(path.join(siteDir, 'tavrel.js'));

test('1000 random designs read, graded and written as tavrel-cli does', async () => {
  const rules = await createTavrel();
  const captions = rules.facts().bars.map((bar) => bar.captions.join('x'));
  const random = randomSource(20261207);
  let compared = 0;
  // Ten grids of ten by ten designs about random centres, on random steps of two
  // inputs: the module gets the texts tavrel-cli wrote for each design.
  for (let grid = 0; grid < 10; ++grid) {
    const base = randomDesign(random);
    const first = Math.floor(random() * 7);
    const second = (first + 1 + Math.floor(random() * 6)) % 7;
    const args = [];
    base.forEach((text, i) => {
      if (i === first || i === second) {
        const [low, high] = limits[i];
        const from = Number((low + random() * (high - low) / 2).toPrecision(4));
        const step = Number(((high - from) / 10 * (0.2 + 0.8 * random())).toPrecision(3));
        args.push('--sweep', `${optionNames[i]}=${from}:${from + 9.5 * step}:${step}`);
      } else {
        args.push('--' + optionNames[i], text);
      }
    });
    const cli = cliDesigns(args);
    assert.equal(cli.status, 0, `tavrel-cli ${args.join(' ')}`);
    assert.equal(cli.designs.length, 100, `designs from ${args.join(' ')}`);
    for (const design of cli.designs) {
      const run = rules.runDesign(design.texts);
      assert.equal(run.complete, true, `${design.texts}`);
      const web = run.cases.map((bar, c) => ({
        dowel: captions[c], texts: bar.cells.map((cell) => cell.text), grade: bar.gradeWord,
        note: bar.outside ? 'outside the range of the fitted relations' : '',
      }));
      assert.deepEqual(web, design.rows, `design ${design.texts.join(' ')}`);
      ++compared;
    }
  }
  assert.equal(compared, 1000);

  // Beyond a limit both refuse the design, and the page marks that input.
  const beyond = ['5.99', '0.0049', '49', '999', '50001', '30.01', '500.5'];
  for (let i = 0; i < 7; ++i) {
    const texts = randomDesign(random);
    texts[i] = beyond[i];
    assert.equal(cliRows(texts).status, 2, `${texts}`);
    const run = rules.runDesign(texts);
    assert.equal(run.complete, false);
    assert.equal(run.inputsInRange, i);
  }
});

test('texts the desktop reads leniently read the same way', async () => {
  const rules = await createTavrel();
  const run = (texts) => rules.runDesign(texts);
  const defaults = ['12', '0.25', '300', '9000', '4000000', '12', '90'];
  const base = run(defaults);
  // "12abc" reads as 12, "4e6" as 4000000: the same table.
  const lenient = run(['12abc', '.25', ' 300', '9000.0', '4e6', '12', '90x']);
  assert.deepEqual(lenient.cases.map((c) => c.cells), base.cases.map((c) => c.cells));
  // An empty box, a lone minus and "10,000" read as 0, 0 and 10: out of range.
  assert.equal(run(['', ...defaults.slice(1)]).inputsInRange, 0);
  assert.equal(run(['12', '-', ...defaults.slice(2)]).inputsInRange, 1);
  assert.equal(run([...defaults.slice(0, 3), '10,000', ...defaults.slice(4)]).inputsInRange, 3);
  // 36.000001 narrows to 36 and is accepted.
  assert.equal(run(['36.000001', ...defaults.slice(1)]).complete, true);
});
