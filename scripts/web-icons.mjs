// Draws the web page's app icons from the program's emblem (packaging/tavrel.svg)
// in headless Chromium: web/icon-192.png, web/icon-512.png, and
// web/icon-maskable-512.png, whose emblem sits inside the central circle that
// every mask keeps. Run after changing the emblem:  node scripts/web-icons.mjs
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { launchBrowser } from '../tests/web/support.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const emblem = fs.readFileSync(path.join(root, 'packaging/tavrel.svg'), 'utf8');
const icons = [
  { file: 'icon-192.png', size: 192, emblem: 1, background: 'transparent' },
  { file: 'icon-512.png', size: 512, emblem: 1, background: 'transparent' },
  { file: 'icon-maskable-512.png', size: 512, emblem: 0.7, background: '#2f5d8a' },
];

const browser = await launchBrowser();
try {
  const page = await browser.newPage();
  for (const icon of icons) {
    await page.setViewport({ width: icon.size, height: icon.size });
    const side = icon.size * icon.emblem;
    const svg = emblem.replace(/width="64" height="64"/, `width="${side}" height="${side}"`);
    await page.setContent(`<body style="margin:0;width:${icon.size}px;height:${icon.size}px;display:grid;
      place-items:center;background:${icon.background}">${svg}</body>`);
    const file = path.join(root, 'web', icon.file);
    await page.screenshot({ path: file, omitBackground: icon.background === 'transparent' });
    // The emblem has a handful of flat colours: a palette of 32 keeps it as drawn
    // at a third of the size, which the site's size budget needs.
    execFileSync('convert', [file, '-strip', '-colors', '32', `PNG8:${file}`]);
  }
} finally {
  await browser.close();
}
