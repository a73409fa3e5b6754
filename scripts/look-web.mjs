// Screenshots of the web page in headless Chromium, to look at by eye and for
// the README:  node scripts/look-web.mjs OUT_DIR [SITE_DIR]
// web-desktop.png at 1280 px and web-phone.png at 390 px, the default design;
// web-desktop-si.png and web-phone-si.png the same in SI units.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchBrowser, siteDir } from '../tests/web/support.mjs';

const out = path.resolve(process.argv[2] || 'build/look');
const site = path.resolve(process.argv[3] || siteDir);
fs.mkdirSync(out, { recursive: true });
const url = pathToFileURL(path.join(site, 'index.html')).href;

const browser = await launchBrowser();
try {
  const page = await browser.newPage();
  for (const [name, width, height] of [['desktop', 1280, 860], ['phone', 390, 844]]) {
    for (const units of ['us', 'si']) {
      await page.setViewport({ width, height });
      await page.goto(`${url}?units=${units}`);
      await page.waitForSelector('html[data-ready="true"]');
      const file = path.join(out, `web-${name}${units === 'si' ? '-si' : ''}.png`);
      await page.screenshot({ path: file, fullPage: name === 'phone' });
      console.log(file);
    }
  }
} finally {
  await browser.close();
}
