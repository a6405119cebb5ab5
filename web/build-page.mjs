// Writes the page as one file: the HTML with its texts and its style, the engine's
// script, the engine itself (in base64), the handlers and the list's worker
// inlined, and a Content-Security-Policy that allows exactly those scripts
// by their hashes and nothing from anywhere.
// Usage: node build-page.mjs SOURCE_DIR ENGINE.js ENGINE.wasm OUT.html
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { writeTexts } from './page-texts.mjs';

const [sourceDir, engineJs, engineWasm, out] = process.argv.slice(2);
const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

const style = read(join(sourceDir, 'brenmor.css'));
// The engine's bytes are data, not script: the parser passes over them.
const wasm = `<script type="application/wasm" id="engineWasm">${readFileSync(engineWasm).toString('base64')}</script>`;
// Scripts the page runs, by the ids that the list's worker takes its own
// from.
const scripts = [
  ['engineJs', read(engineJs)],
  ['boundaryJs', read(join(sourceDir, 'boundary.js'))],
  ['handlersJs', read(join(sourceDir, 'handlers.js'))],
  ['resultsJs', read(join(sourceDir, 'results.js'))],
  ['menuJs', read(join(sourceDir, 'menu.js'))],
  ['listJs', read(join(sourceDir, 'list.js'))],
];
// The worker's own script is data to the page: it runs only in the worker,
// from a blob: URL made of these texts, and comes last, after what the page
// needs to be ready.
const worker = `<script type="text/plain" id="listWorker">${read(join(sourceDir, 'list-worker.js'))}</script>`;
const policy = [
  "default-src 'none'",
  `script-src ${scripts.map(([, text]) => hash(text)).join(' ')} 'wasm-unsafe-eval'`,
  // The list is sized in a worker, whose script the page makes from the
  // texts it carries: a blob: URL of its own making, and nothing else.
  'worker-src blob:',
  `style-src ${hash(style)}`,
  "img-src 'none'",
  "connect-src 'none'",
  "form-action 'none'",
  "base-uri 'none'",
].join('; ');

// Each placeholder must stand in the page exactly once: a page that kept one,
// or lost its policy, must not be written.
function fill(html, placeholder, text) {
  const parts = html.split(placeholder);
  if (parts.length !== 2) {
    throw new Error(`index.html has ${parts.length - 1} of ${placeholder}, not one`);
  }
  return parts.join(text);
}
let page = await writeTexts(read(join(sourceDir, 'index.html')), engineJs, engineWasm,
  join(sourceDir, 'boundary.js'));
page = fill(page, '<!--policy-->', policy);
page = fill(page, '/*style*/', style);
page = fill(page, '<!--scripts-->', [
  wasm, ...scripts.map(([id, text]) => `<script id="${id}">${text}</script>`), worker,
].join('\n'));
writeFileSync(out, page);
