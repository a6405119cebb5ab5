// The page's build writes a page only when each placeholder of index.html
// is filled exactly once and each text the engine writes into it lands in
// one empty element, so that a page never ships with its policy, scripts or
// texts missing.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { test } from 'node:test';

const web = new URL('..', import.meta.url).pathname;
// The engine the page was built with, which writes the page's texts.
const engine = join(dirname(process.env.BRENMOR_PAGE ?? 'build/web/brenmor.html'), 'web');

function build(edit) {
  const dir = mkdtempSync(join(tmpdir(), 'brenmor-page-'));
  for (const file of ['index.html', 'brenmor.css', 'boundary.js', 'handlers.js', 'results.js',
    'menu.js', 'list.js', 'list-worker.js']) cpSync(join(web, file), join(dir, file));
  writeFileSync(join(dir, 'index.html'), edit(readFileSync(join(dir, 'index.html'), 'utf8')));
  const out = join(dir, 'page.html');
  const run = spawnSync('node', [join(web, 'build-page.mjs'), dir, join(engine, 'engine.js'),
    join(engine, 'engine.wasm'), out]);
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
  ['anIdTwice', (html) => html.replace('<p id="wallMessage"', '<p id="lblHead"'), '2 elements with id lblHead'],
  ['aFilledCaption', (html) => html.replace('id="Label9"></span>', 'id="Label9">Rev</span>'), '#Label9 is not empty'],
]) {
  test(`fails when a placeholder stands ${name}`, () => {
    const built = build(edit);
    assert.notEqual(built.status, 0);
    assert.match(built.stderr, new RegExp(says));
  });
}
