// Writes the page as one file: the HTML with its style, the engine's
// script, the engine itself (in base64) and the handlers inlined, and a
// Content-Security-Policy that allows exactly those scripts by their hashes
// and nothing from anywhere.
// Usage: node build-page.mjs SOURCE_DIR ENGINE.js ENGINE.wasm OUT.html
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [sourceDir, engineJs, engineWasm, out] = process.argv.slice(2);
const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

const style = read(join(sourceDir, 'brenmor.css'));
// The engine's bytes are data, not script: the parser passes over them.
const wasm = `<script type="application/wasm" id="engineWasm">${readFileSync(engineWasm).toString('base64')}</script>`;
const scripts = [
  read(engineJs),
  read(join(sourceDir, 'handlers.js')),
];
const policy = [
  "default-src 'none'",
  `script-src ${scripts.map(hash).join(' ')} 'wasm-unsafe-eval'`,
  `style-src ${hash(style)}`,
  "img-src 'none'",
  "connect-src 'none'",
  "form-action 'none'",
  "base-uri 'none'",
].join('; ');

const page = read(join(sourceDir, 'index.html'))
  .replace('<!--policy-->', () => policy)
  .replace('/*style*/', () => style)
  .replace('<!--scripts-->', () => [wasm, ...scripts.map((s) => `<script>${s}</script>`)].join('\n'));
writeFileSync(out, page);
