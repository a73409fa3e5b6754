// The page's evaluation report against tavrel-cli's PDF of the same design:
// the same sections, inputs, rule, table rows and working, in US and SI units;
// and the whole report built in the page well within a second and a half.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';

import { cliPath, siteDir } from './support.mjs';

const require = createRequire(import.meta.url);
const createTavrel = require(path.join(siteDir, 'tavrel.js'));

const designs = {
  default: {},
  // Every bar outside the fitted relations.
  outside: { spacing: '6', opening: '0.005', k: '50', load: '8000', ec: '500000', thickness: '5', 'tire-pressure': '20' },
};
const project = { project: 'Route 9', location: 'km 12', joint: 'J7', engineer: 'A. Reyes', checker: 'M. Okafor', revision: 'C', notes: '' };

// Every text the page would show, one per entry.
function texts(report) {
  const out = [report.title, report.subtitle];
  for (const section of report.sections) {
    if (section.heading) out.push(section.heading);
    for (const block of section.blocks) {
      if (block.kind === 'pairs') block.rows.forEach(([label, value]) => out.push(`${label} ${value}`));
      if (block.kind === 'working') out.push(block.bar, ...block.lines);
      if (block.kind === 'table') block.rows.filter((r) => !r.group).forEach((r) => out.push([r.caption, ...r.cells.map((c) => c.text)].join(' ')));
      if (block.kind === 'charts') out.push(block.left.title, block.right.title);
    }
  }
  return out;
}

function pdfText(file, inputs, units) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tavrel-report-'));
  const design = path.join(folder, 'd.tavrel');
  fs.writeFileSync(design, JSON.stringify({ format: 'tavrel-design', version: 1, units, inputs, project }));
  const pdf = path.join(folder, file);
  execFileSync(cliPath, ['--report', pdf, '--design', design]);
  const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
  fs.rmSync(folder, { recursive: true });
  // Without spaces: where the PDF breaks a line is no concern here.
  return text.replace(/\s+/g, '');
}

test('the page report says what the PDF says, in US and SI units', async () => {
  const rules = await createTavrel();
  for (const [name, inputs] of Object.entries(designs)) {
    for (const units of ['us', 'si']) {
      const siInputs = units === 'si' && name === 'outside'
        ? Object.fromEntries(Object.entries(inputs).map(([k, v], i) => [k, rules.convert(false, true, i, v)]))
        : inputs;
      const answer = rules.report({ format: 'tavrel-design', version: 1, units, inputs: siInputs, project }, '2026-12-07 22:00');
      assert.ok(answer.report, JSON.stringify(answer));
      const pdf = pdfText(`${name}-${units}.pdf`, siInputs, units);
      // Made at different moments: the date may differ.
      for (const text of texts(answer.report).filter((t) => !t.startsWith('Date:'))) {
        assert.ok(pdf.includes(text.replace(/\s+/g, '')), `${name} ${units}: "${text}" not in the PDF`);
      }
      assert.ok(answer.report.footer.startsWith('Project: Route 9 · Revision: C'));
      if (name === 'outside') assert.ok(pdf.includes('*outsidetherangeofthefittedrelations'));
    }
  }
});

test("the report takes the textbook check's choices from the page", async () => {
  const rules = await createTavrel();
  const design = { format: 'tavrel-design', version: 1, units: 'us', inputs: {}, project };
  const answer = rules.report(design, '2026-12-07 22:00', { method: 1, fc: '5000', fck: '', loadShare: '40' });
  const lines = texts(answer.report);
  assert.ok(lines.includes("Concrete strength f'c: 5000 psi (given)"), lines.join('\n'));
  assert.ok(lines.includes('Load carried by the dowels: 40 % (given)'));
});

// How long it takes is bench/web_bench.mjs's to show, not a test's.
test('the whole report is built in the page from a design that gives nothing but its project', async () => {
  const rules = await createTavrel();
  const answer = rules.report({ format: 'tavrel-design', version: 1, units: 'us', inputs: {}, project }, '2026-12-07 22:00');
  assert.ok(answer.report);
});
