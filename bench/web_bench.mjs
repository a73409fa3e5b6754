// Size and speed of the web page, in headless Chromium from file:// as a user
// opens it:  node bench/web_bench.mjs [SITE_DIR]   (after scripts/build-web.sh)
//  - the site's size on disk, uncompressed (and gzipped, as a host may serve it);
//  - navigation to the filled table: the first load in a fresh browser, then warm;
//  - one keystroke (an input event: a full run and the table's update, with the
//    layout it forces) over 1000 synthetic input events.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { pathToFileURL } from 'node:url';

import { launchBrowser, siteDir as defaultSite } from '../tests/web/support.mjs';

const site = path.resolve(process.argv[2] || defaultSite);
const url = pathToFileURL(path.join(site, 'index.html')).href;

let bytes = 0;
let gzipped = 0;
// The guidelines document is counted apart: it is a document the site links to.
for (const name of fs.readdirSync(site).filter((name) => name !== 'Praxendel.pdf')) {
  const data = fs.readFileSync(path.join(site, name));
  bytes += data.length;
  gzipped += zlib.gzipSync(data, { level: 9 }).length;
}
console.log(`load average ${os.loadavg().map((l) => l.toFixed(1)).join(' ')} on ${os.cpus().length} cores`);
console.log(`site size: ${(bytes / 1024).toFixed(1)} KiB uncompressed, ${(gzipped / 1024).toFixed(1)} KiB gzipped, without the guidelines`);

async function loadTime(page) {
  await page.goto(url);
  await page.waitForSelector('html[data-ready]');
  return page.evaluate(() => performance.getEntriesByName('table-filled')[0].startTime);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await launchBrowser();
try {
  const page = await browser.newPage();
  const cold = await loadTime(page);
  const warm = [];
  for (let i = 0; i < 20; ++i) warm.push(await loadTime(page));
  console.log(`navigation to filled table: cold ${cold.toFixed(1)} ms, warm median ${median(warm).toFixed(1)} ms ` +
    `(max ${Math.max(...warm).toFixed(1)} ms over ${warm.length})`);

  const keystroke = await page.evaluate(() => {
    const boxes = [...document.querySelectorAll('#inputs input')];
    const texts = ['12', '12.5', '13', '1', '14', '9', '15.25', '16', '6', '36'];
    const times = [];
    for (let i = 0; i < 1000; ++i) {
      const box = boxes[i % 7 === 3 ? 5 : 0];
      box.value = texts[i % texts.length];
      const start = performance.now();
      box.dispatchEvent(new Event('input', { bubbles: true }));
      void document.body.offsetHeight; // the layout the update forces
      times.push(performance.now() - start);
    }
    times.sort((a, b) => a - b);
    const sum = times.reduce((a, b) => a + b, 0);
    return { mean: sum / times.length, median: times[500], p99: times[990], max: times[999] };
  });
  console.log(`keystroke over 1000 input events: mean ${keystroke.mean.toFixed(3)} ms, median ` +
    `${keystroke.median.toFixed(3)} ms, 99th percentile ${keystroke.p99.toFixed(3)} ms, max ${keystroke.max.toFixed(3)} ms`);
} finally {
  await browser.close();
}
