// Opens the page in the browsers that are here, as a person would: a fresh
// page per test, with every request it makes recorded.
import { existsSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const pageUrl = pathToFileURL(process.env.BRENMOR_PAGE ?? 'build/web/brenmor.html').href;

// Debian's Chromium through the DevTools protocol, Debian's Firefox ESR
// through WebDriver BiDi; BRENMOR_BROWSERS=chromium runs one.
const all = [
  {
    name: 'chromium',
    browser: 'chrome',
    executablePath: '/usr/bin/chromium',
    // The closed network here refuses Chromium's own background calls.
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-quic'],
  },
  { name: 'firefox', browser: 'firefox', executablePath: '/usr/bin/firefox-esr', args: [] },
];
const wanted = (process.env.BRENMOR_BROWSERS ?? 'chromium,firefox').split(',');
export const browsers = all.filter((b) => wanted.includes(b.name) && existsSync(b.executablePath));

// mulberry32: a small seeded generator, so that a failure comes back.
export function random(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

export function launch(b) {
  return puppeteer.launch({
    browser: b.browser, executablePath: b.executablePath, args: b.args, headless: true,
  });
}

// A fresh page at the window's size, ready for the first Calculate.
export async function open(browser, viewport = { width: 420, height: 300 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  // Any error the page's scripts throw, such as a field misread at the
  // engine's boundary.
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(pageUrl);
  await page.waitForSelector('body[data-ready]');
  return { page, requests, errors, ...drive(page) };
}

// What a person does and sees.
function drive(page) {
  const value = (id) => page.$eval(`#${id}`, (e) => e.value);
  const d = {
    value,
    shown: (id) => page.$eval(`#${id}`, (e) => !e.hidden && e.getClientRects().length > 0),
    colour: (id) => page.$eval(`#${id}`, (e) => getComputedStyle(e).color),
    focused: () => page.evaluate(() => document.activeElement?.id ?? ''),
    listText: (id) => page.$eval(`#${id}`, (e) => e.options[e.selectedIndex]?.text ?? ''),
    // Clicks into the box, selects what it holds and types over it.
    async type(id, text) {
      await page.click(`#${id}`);
      await page.keyboard.down('Control');
      await page.keyboard.press('KeyA');
      await page.keyboard.up('Control');
      if (text === '') await page.keyboard.press('Delete');
      else await page.keyboard.type(text);
    },
    pick: (id, unit) => page.select(`#${id}`, unit),
    press: (key) => page.keyboard.press(key),
    async altC() {
      await page.keyboard.down('Alt');
      await page.keyboard.press('KeyC');
      await page.keyboard.up('Alt');
    },
    // The message shown, or '' when none is; a shown one is answered with
    // Return, as a person does.
    async message() {
      const open = await page.$eval('#dlgMessage', (e) => e.open);
      if (!open) return '';
      const text = await page.$eval('#lblMessage', (e) => e.textContent);
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => !document.getElementById('dlgMessage').open);
      return text;
    },
    outputs: async () => [await value('txtF'), await value('txtD'), await value('txtL')],
  };
  return d;
}
