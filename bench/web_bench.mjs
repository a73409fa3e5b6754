// Size and speed of the web page, in headless Chromium from file:// as a user
// opens it:  node bench/web_bench.mjs [SITE_DIR] [--lighthouse]   (after scripts/build-web.sh)
//  - the site's size on disk, uncompressed (and gzipped, as a host may serve it),
//    without the guidelines document, which is a document rather than the page;
//  - navigation to the filled table: the first load in a fresh browser, then warm;
//  - switching pages (a tab chosen, to the page painted), when the site has tabs;
//  - "Report": the whole evaluation report built in the page and painted;
//  - one keystroke (an input event: a full run and the table's update, with the
//    layout it forces) over 1000 synthetic input events;
//  - with --lighthouse: Lighthouse's phone profile on the site served over HTTP
//    on 127.0.0.1, and whether Chromium finds the page installable.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { pathToFileURL } from 'node:url';

import { launchBrowser, serveSite, siteDir as defaultSite } from '../tests/web/support.mjs';

const args = process.argv.slice(2);
const withLighthouse = args.includes('--lighthouse');
const site = path.resolve(args.find((arg) => !arg.startsWith('--')) || defaultSite);
const url = pathToFileURL(path.join(site, 'index.html')).href;

let bytes = 0;
let gzipped = 0;
for (const name of fs.readdirSync(site, { recursive: true })) {
  const file = path.join(site, name);
  if (!fs.statSync(file).isFile() || /\.pdf$/i.test(name)) continue;
  const data = fs.readFileSync(file);
  bytes += data.length;
  gzipped += zlib.gzipSync(data, { level: 9 }).length;
}
console.log(`load average ${os.loadavg().map((l) => l.toFixed(1)).join(' ')} on ${os.cpus().length} cores`);
console.log(`site size without the guidelines: ${(bytes / 1024).toFixed(1)} KiB (${bytes} bytes) uncompressed, ${(gzipped / 1024).toFixed(1)} KiB gzipped`);

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

  // Each switch: a tab chosen, then the frame that paints the page.
  const switching = await page.evaluate(async () => {
    const tabs = [...document.querySelectorAll('[role="tab"]')];
    const times = [];
    for (let i = 0; tabs.length > 1 && i < 60; ++i) {
      const start = performance.now();
      tabs[(i + 1) % tabs.length].click();
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
      times.push(performance.now() - start);
    }
    if (tabs.length > 1) tabs[0].click();
    return times.sort((a, b) => a - b);
  });
  if (switching.length > 0) {
    console.log(`switching pages: median ${median(switching).toFixed(1)} ms, max ` +
      `${switching[switching.length - 1].toFixed(1)} ms over ${switching.length}`);
  }

  // "Report": the whole evaluation report built by the rules and drawn, to
  // the frame that paints it.
  const reporting = await page.evaluate(async () => {
    const times = [];
    for (let i = 0; document.getElementById('report-open') && i < 5; ++i) {
      const start = performance.now();
      document.getElementById('report-open').click();
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
      times.push(performance.now() - start);
      document.getElementById('report-close').click();
    }
    return times.sort((a, b) => a - b);
  });
  if (reporting.length > 0) {
    console.log(`report: median ${median(reporting).toFixed(1)} ms, max ` +
      `${reporting[reporting.length - 1].toFixed(1)} ms over ${reporting.length}`);
  }

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
    // The control: a fixed computation of about the same length, timed the
    // same way. Its tail is the machine's (other processes taking the core),
    // not the page's; a keystroke tail no longer than it is noise.
    const control = [];
    for (let i = 0; i < 1000; ++i) {
      const start = performance.now();
      let sink = 0;
      for (let j = 0; j < 200000; ++j) sink += (j * j) % 7;
      control.push(performance.now() - start + (sink < 0 ? 1 : 0));
    }
    control.sort((a, b) => a - b);
    return { mean: sum / times.length, median: times[500], p99: times[990], max: times[999],
      controlMedian: control[500], controlP99: control[990] };
  });
  console.log(`keystroke over 1000 input events: mean ${keystroke.mean.toFixed(3)} ms, median ` +
    `${keystroke.median.toFixed(3)} ms, 99th percentile ${keystroke.p99.toFixed(3)} ms, max ${keystroke.max.toFixed(3)} ms`);
  console.log(`  control (a fixed computation): median ${keystroke.controlMedian.toFixed(3)} ms, ` +
    `99th percentile ${keystroke.controlP99.toFixed(3)} ms`);
} finally {
  await browser.close();
}

if (withLighthouse) await lighthouseRun();

async function lighthouseRun() {
  const { default: lighthouse } = await import('lighthouse');
  const puppeteer = (await import('puppeteer-core')).default;
  const server = await serveSite();
  const port = 9300 + Math.floor(Math.random() * 500);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tavrel-lighthouse-'));
  const chromium = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', `--remote-debugging-port=${port}`, `--user-data-dir=${profile}`],
  });
  try {
    const result = await lighthouse(server.url, {
      port, output: 'json', logLevel: 'error',
      onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'],
    });
    const { categories, audits } = result.lhr;
    console.log('lighthouse (phone): ' + Object.values(categories)
      .map((c) => `${c.id} ${Math.round(c.score * 100)}`).join(', '));
    for (const id of ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time', 'cumulative-layout-shift']) {
      console.log(`  ${id}: ${audits[id].displayValue}`);
    }
    for (const audit of Object.values(audits)) {
      if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode === 'binary') console.log(`  failed: ${audit.id}`);
    }
    const page = await chromium.newPage();
    await page.goto(server.url);
    await page.waitForSelector('html[data-ready]');
    await page.evaluate(() => navigator.serviceWorker.ready);
    const session = await page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    console.log(`installable: ${installabilityErrors.length === 0 ? 'yes' : JSON.stringify(installabilityErrors)}`);
  } finally {
    await chromium.close();
    await server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}
