// The page in headless Chromium, from file://: the time from opening it to
// the first Calculate possible, beside a floor page with the same form and
// no engine, as medians of interleaved runs; the page's size; Calculate
// from the click to laid-out outputs; and a list of 1,000,000 rows sized in
// the page from a file, beside brenmor-size on the same file in the same
// run, with the page's peak JavaScript heap meanwhile, and 100,000 rows
// pasted.
// Usage: node bench/web_bench.mjs build/web/brenmor.html [brenmor-size]
import { spawnSync } from 'node:child_process';
import { readFileSync, statSync, unlinkSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import os from 'node:os';
import { pathToFileURL } from 'node:url';
import { browsers, launch } from '../web/tests/browser.mjs';

const kRuns = 21;
const pagePath = resolve(process.argv[2] ?? 'build/web/brenmor.html');
const sizer = resolve(process.argv[3] ?? 'build/bench/cli/brenmor-size');

// The same form, captions and texts, without the engine or its script: what
// any page showing this form costs.
function writeFloor() {
  const html = readFileSync(pagePath, 'utf8')
    .replace(/<meta http-equiv="Content-Security-Policy"[^>]*>/, '')
    .replace(/<script\b[\s\S]*?<\/script>\n?/g, "");
  const floor = join(os.tmpdir(), 'brenmor-floor.html');
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

// An equipment list: a tag, then P, C, S, E and V, as the list benchmark
// of brenmor-size writes it.
function listText(rows) {
  const lines = ['Tag,P,C,S,E,V'];
  for (let i = 0; i < rows; ++i) {
    lines.push(`V-${i},${(10 + (i * 7919) % 4900 / 10).toFixed(1)},${['0.0625', '0.125', '0.25'][i % 3]},` +
      `${['16000', '17500', '20000'][i % 3]},${['0.7', '0.85', '1'][(i >> 2) % 3]},${50 + (i * 104729) % 4950}`);
  }
  return `${lines.join('\n')}\n`;
}

// Seconds from the list given to the page to its last row sized, and the
// page's peak JavaScript heap meanwhile, sampled every 50 ms.
async function sizeInPage(browser, give) {
  const page = await browser.newPage();
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('body[data-list-ready]');
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  await cdp.send('HeapProfiler.collectGarbage');
  let peak = 0;
  const sample = async () => {
    const { metrics } = await cdp.send('Performance.getMetrics');
    peak = Math.max(peak, metrics.find((m) => m.name === 'JSHeapUsedSize').value);
  };
  const started = performance.now();
  await give(page);
  await page.waitForSelector('#list[data-state="running"]');
  while (!(await page.$('#list[data-state="done"]'))) {
    await sample();
    await new Promise((r) => { setTimeout(r, 50); });
  }
  const seconds = (performance.now() - started) / 1000;
  await sample();
  const summary = await page.$eval('#lblListSummary', (e) => e.textContent);
  await page.close();
  return { seconds, peakMiB: peak / 2 ** 20, summary };
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

const listPath = join(os.tmpdir(), 'brenmor-page-list.csv');
writeFileSync(listPath, listText(1_000_000));
const cliStarted = performance.now();
const cli = spawnSync(sizer, ['--csv', listPath, '-o', '/dev/null']);
const cliSeconds = (performance.now() - cliStarted) / 1000;
const fromFile = await sizeInPage(browser, async (p) => {
  await (await p.$('#fileList')).uploadFile(listPath);
});
unlinkSync(listPath);
const pasted = listText(100_000).replaceAll(',', '\t');
const fromPaste = await sizeInPage(browser, (p) => p.evaluate((text) => {
  const data = new DataTransfer();
  data.setData('text/plain', text);
  document.getElementById('txtList').dispatchEvent(
    new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
}, pasted));
await browser.close();

console.log(`page open to ready: median ${median(page).toFixed(1)} ms, floor ${median(floor).toFixed(1)} ms (${kRuns} interleaved runs, file://)`);
console.log(`list of 1,000,000 rows from a file: page ${fromFile.seconds.toFixed(2)} s (${fromFile.summary}), brenmor-size ${cliSeconds.toFixed(2)} s (exit ${cli.status}, ${os.availableParallelism()} cores)`);
console.log(`list of 100,000 rows pasted: page ${fromPaste.seconds.toFixed(2)} s (${fromPaste.summary}), peak JS heap ${fromPaste.peakMiB.toFixed(1)} MiB`);
let ok = report('ratio', 'page open to ready/floor', median(page) / median(floor), 1.25);
ok = report('size', 'page file', statSync(pagePath).size / 1000, 250, ' KB') && ok;
ok = report('time', 'Calculate click to laid-out outputs, median', median(calculate), 16, ' ms') && ok;
ok = report('ratio', 'list of 1,000,000 rows page/brenmor-size', fromFile.seconds / cliSeconds, 3) && ok;
ok = report('memory', 'page peak JS heap, 1,000,000 rows', fromFile.peakMiB, 200, ' MiB') && ok;
process.exit(ok ? 0 : 1);
