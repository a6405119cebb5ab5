// The page's build writes a page only when each placeholder of index.html
// is filled exactly once, so that a page never ships with its policy or
// scripts missing.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

const web = new URL('..', import.meta.url).pathname;

function build(edit) {
  const dir = mkdtempSync(join(tmpdir(), 'brenmor-page-'));
  for (const file of ['index.html', 'brenmor.css', 'boundary.js', 'handlers.js', 'results.js',
    'menu.js', 'list.js', 'list-worker.js']) cpSync(join(web, file), join(dir, file));
  writeFileSync(join(dir, 'index.html'), edit(readFileSync(join(dir, 'index.html'), 'utf8')));
  writeFileSync(join(dir, 'engine.js'), 'var createEngine;');
  writeFileSync(join(dir, 'engine.wasm'), 'wasm');
  const out = join(dir, 'page.html');
  const run = spawnSync('node', [join(web, 'build-page.mjs'), dir, join(dir, 'engine.js'),
    join(dir, 'engine.wasm'), out]);
  return { status: run.status, stderr: run.stderr.toString(), out };
}

test('writes the page when every placeholder stands once', () => {
  const built = build((html) => html);
  assert.equal(built.status, 0, built.stderr);
  assert.match(readFileSync(built.out, 'utf8'), /default-src 'none'/);
});

for (const [name, edit, says] of [
  ['twice', (html) => html.replace('<!--scripts-->', '<!--scripts--><!--scripts-->'), '2 of <!--scripts-->'],
  ['missing', (html) => html.replace('<!--policy-->', ''), '0 of <!--policy-->'],
]) {
  test(`fails when a placeholder stands ${name}`, () => {
    const built = build(edit);
    assert.notEqual(built.status, 0);
    assert.match(built.stderr, new RegExp(says));
  });
}
