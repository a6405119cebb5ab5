// The page in headless Chromium, from file://: the time from opening it to
// the first Calculate possible, beside a floor page with the same form and
// no engine, as medians of interleaved runs; the page's size; and Calculate
// from the click to laid-out outputs.
// Usage: node bench/web_bench.mjs build/web/brenmor.html
import { readFileSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { browsers, launch } from '../web/tests/browser.mjs';

const kRuns = 21;
const pagePath = resolve(process.argv[2] ?? 'build/web/brenmor.html');

// The same form, captions and texts, without the engine or its script: what
// any page showing this form costs.
function writeFloor() {
  const html = readFileSync(pagePath, 'utf8')
    .replace(/<meta http-equiv="Content-Security-Policy"[^>]*>/, '')
    .replace(/<script\b[\s\S]*?<\/script>\n?/g, "");
  const floor = join(tmpdir(), 'brenmor-floor.html');
  writeFileSync(floor, html.replace('</body>',
    '<script>document.body.dataset.ready = "true";</script></body>'));
  return floor;
}

// Milliseconds from the start of navigation to the page saying it is ready.
async function openToReady(browser, path) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((_, observer) => {
      if (!document.body?.dataset.ready) return;
      window.readyAt = performance.now();
      observer.disconnect();
    }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
  });
  await page.goto(pathToFileURL(path).href);
  await page.waitForFunction(() => window.readyAt !== undefined);
  const ms = await page.evaluate(() => window.readyAt);
  await page.close();
  return ms;
}

// Milliseconds from pressing Calculate to the outputs laid out, each press
// on another volume so that every output changes.
async function calculateTimes(browser) {
  const page = await browser.newPage();
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('body[data-ready]');
  const times = await page.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    const result = [];
    for (let i = 0; i < 200; ++i) {
      $('txtV').value = String(500 + i);
      $('txtV').dispatchEvent(new InputEvent('input', { bubbles: true }));
      $('cmbVU').value = 'ft^3';
      $('cmbVU').dispatchEvent(new Event('change', { bubbles: true }));
      const start = performance.now();
      $('cmdCalc').click();
      void document.body.offsetHeight;  // style and layout, as before a paint
      result.push(performance.now() - start);
    }
    return result;
  });
  await page.close();
  return times;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function report(kind, name, value, limit, unit = '') {
  const ok = value <= limit;
  console.log(`${kind} ${name}: ${value.toPrecision(3)}${unit} (target <= ${limit}${unit}) ${ok ? 'ok' : 'MISS'}`);
  return ok;
}

const chromium = browsers.find((b) => b.name === 'chromium');
const browser = await launch(chromium);
const floorPath = writeFloor();
const page = [];
const floor = [];
await openToReady(browser, pagePath);  // the first start warms the browser's caches
for (let run = 0; run < kRuns; ++run) {
  floor.push(await openToReady(browser, floorPath));
  page.push(await openToReady(browser, pagePath));
}
const calculate = await calculateTimes(browser);
await browser.close();

const kib = statSync(pagePath).size / 1024;
console.log(`page open to ready: median ${median(page).toFixed(1)} ms, floor ${median(floor).toFixed(1)} ms (${kRuns} interleaved runs, file://)`);
let ok = report('ratio', 'page open to ready/floor', median(page) / median(floor), 1.25);
ok = report('size', 'page file', kib, 200, ' KiB') && ok;
ok = report('time', 'Calculate click to laid-out outputs, median', median(calculate), 16, ' ms') && ok;
process.exit(ok ? 0 : 1);
