// What the web tests share: where the site and tavrel-cli are, random designs,
// tavrel-cli's answer for a design, and a headless Chromium that may not reach
// anything but the site's own files.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const siteDir = path.resolve(process.env.TAVREL_WEB_SITE || path.join(root, 'build/web/site'));
export const cliPath = path.resolve(process.env.TAVREL_CLI || path.join(root, 'build/release/bin/tavrel-cli'));
export const siteUrl = pathToFileURL(path.join(siteDir, 'index.html')).href;
export const optionNames = ['spacing', 'opening', 'k', 'load', 'ec', 'thickness', 'tire-pressure'];
export const limits = [[6, 36], [0.005, 3], [50, 5000], [1000, 50000], [500000, 10000000], [5, 30], [20, 500]];

// A small seeded generator, so that a failure can be replayed.
export function randomSource(seed) {
  let s = seed >>> 0;
  return () => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Seven texts as a user types them: in range, with up to four decimals.
export function randomDesign(random) {
  return limits.map(([low, high]) => {
    const decimals = Math.floor(random() * 5);
    let text = (low + random() * (high - low)).toFixed(decimals);
    if (Number(text) < low) text = String(low);
    if (Number(text) > high) text = String(high);
    return text;
  });
}

// tavrel-cli's CSV rows for the options `args`, eight a design: the inputs as
// it wrote them, and per bar its label, five texts and grade.
export function cliDesigns(args) {
  const run = spawnSync(cliPath, ['--format', 'csv', ...args], { encoding: 'utf8', maxBuffer: 1 << 26 });
  if (run.status !== 0) return { status: run.status, designs: [] };
  const lines = run.stdout.trim().split('\n');
  const header = lines[0].split(',');
  const column = (name) => header.indexOf(name);
  // The bearing stresses' keys end in the unit asked for (_psi, _mpa).
  const keys = ['deflection_lte_pct', 'stress_lte_pct', 'effectiveness_pct',
    header.find((name) => name.startsWith('edge_bearing_')), header.find((name) => name.startsWith('corner_bearing_'))];
  const designs = [];
  for (let first = 1; first < lines.length; first += 8) {
    const rows = lines.slice(first, first + 8).map((line) => line.split(','));
    designs.push({
      texts: optionNames.map((name) => rows[0][column(name)]),
      rows: rows.map((f) => ({
        dowel: f[column('dowel')], texts: keys.map((k) => f[column(k)]), grade: f[column('grade')],
        note: f[column('note')] || '',
      })),
    });
  }
  return { status: 0, designs };
}

// tavrel-cli's rows for one design given as seven texts (in `units`).
export function cliRows(texts, units = 'us') {
  const args = ['--units', units];
  texts.forEach((text, i) => args.push('--' + optionNames[i], text));
  const { status, designs } = cliDesigns(args);
  return { status, rows: status === 0 ? designs[0].rows : [] };
}

// The expected default table, from the header the desktop tests include.
export function defaultDesignTable() {
  const source = fs.readFileSync(path.join(root, 'tests/support/default_design_table.h'), 'utf8');
  const body = source.slice(source.indexOf('kDefaultDesignTable'));
  const texts = [...body.matchAll(/"([^"]*)"/g)].map((m) => m[1]);
  return Array.from({ length: 8 }, (_, c) => texts.slice(c * 5, c * 5 + 5));
}

export async function launchBrowser() {
  const puppeteer = (await import('puppeteer-core')).default;
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tavrel-web-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
  });
  browser.on('disconnected', () => {
    try {
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5, retryDelay: 200 });
    } catch {
      // Chromium may still be writing its profile as it exits; the folder is temporary.
    }
  });
  return browser;
}

// Clicks `selector` and returns the path of the file it downloads into
// `folder`. Chromium reserves the file's name with an empty file while it
// writes the download elsewhere, so a file counts once it has bytes and no
// download is still in progress.
export async function download(page, selector, folder) {
  fs.mkdirSync(folder, { recursive: true });
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
  await page.click(selector);
  for (let i = 0; i < 200; ++i) {
    const names = fs.readdirSync(folder);
    const written = names.filter((name) => !name.endsWith('.crdownload') && fs.statSync(path.join(folder, name)).size > 0);
    if (written.length > 0 && !names.some((name) => name.endsWith('.crdownload'))) return path.join(folder, written[0]);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error(`nothing was downloaded into ${folder}`);
}

// A page whose every request is checked: only the site's own files may load.
export async function openPage(browser, query = '', { width = 1100, height = 900 } = {}) {
  const page = await browser.newPage();
  const refused = [];
  const errors = [];
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const url = request.url();
    const own = url.startsWith('data:') || (url.startsWith('file://') &&
      path.dirname(fileURLToPath(url.split(/[?#]/)[0])) === siteDir);
    if (own) {
      request.continue();
    } else {
      refused.push(url);
      request.abort();
    }
  });
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  await page.setViewport({ width, height });
  await page.goto(siteUrl + query);
  await page.waitForSelector('html[data-ready]', { timeout: 10000 });
  return { page, refused, errors };
}

// The site over HTTP on 127.0.0.1, as a static host serves it (gzipped when the
// browser takes it); `close` stops it at once, open connections included, as a
// network that goes away.
export async function serveSite() {
  const http = await import('node:http');
  const zlib = await import('node:zlib');
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.png': 'image/png',
    '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json', '.pdf': 'application/pdf' };
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).replace(/\/$/, '/index.html');
    const file = path.join(siteDir, path.normalize(name));
    if (!file.startsWith(siteDir + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' };
    let body = fs.readFileSync(file);
    if (/\bgzip\b/.test(request.headers['accept-encoding'] || '') && !/\.(png|pdf)$/.test(file)) {
      body = zlib.gzipSync(body);
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers);
    response.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();
    }),
  };
}

// Types `text` into an input box in place of what it held, as a user does.
export async function typeInto(page, option, text) {
  await page.click(`#input-${option}`, { clickCount: 3 });
  await page.keyboard.press('Backspace');
  if (text) await page.keyboard.type(text);
}

export function pdfText(pdf) {
  return execFileSync('pdftotext', ['-layout', '-', '-'], { input: pdf, encoding: 'utf8' });
}

// One browser for a test file and a way to open pages in it; when the file's
// tests end, every page must have reached nothing but the site's own files
// and logged no error, whatever it did.
export function testBrowser() {
  let browser;
  const opened = [];
  before(async () => {
    browser = await launchBrowser();
  });
  after(async () => {
    await browser?.close();
    for (const { refused, errors } of opened) {
      assert.deepEqual(refused, []);
      assert.deepEqual(errors, []);
    }
  });
  const open = async (query, viewport) => {
    const opening = await openPage(browser, query, viewport);
    opened.push(opening);
    return opening.page;
  };
  open.browser = () => browser; // for pages opened some other way (over HTTP)
  return open;
}
