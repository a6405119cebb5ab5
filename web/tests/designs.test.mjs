// Seeded random designs typed into the page, unit by unit, and calculated:
// F, D and L, or the refusal, and the wall and weight are the texts that the
// native engine gives for the same designs as a list (brenmor-size,
// BRENMOR_SIZE).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { after, before, describe, test } from 'node:test';
import { browsers, launch, open, random } from './browser.mjs';

/* global brenmorEngine */

const sizer = process.env.BRENMOR_SIZE ?? 'build/default/cli/brenmor-size';
const designs = Number(process.env.BRENMOR_DESIGNS ?? 1000);
const typedDesigns = Math.min(designs, 25);

const rows = [
  { box: 'txtP', list: 'cmbPU', units: ['psi', 'bar', 'atm'], from: -5, to: 600 },
  { box: 'txtC', list: 'cmbCU', units: ['in', 'mm'], from: 0, to: 6 },
  { box: 'txtS', list: 'cmbSU', units: ['psi', 'bar', 'atm'], from: 500, to: 30000 },
  { box: 'txtE', list: null, units: [''], from: 0.3, to: 1 },
  { box: 'txtV', list: 'cmbVU', units: ['ft^3', 'm^3'], from: 0, to: 8000 },
];

// Each value as a person types it, with the unit picked for it.
function makeDesigns(count) {
  const next = random(20261208);
  return Array.from({ length: count }, () => rows.map((row) => ({
    text: (row.from + next() * (row.to - row.from)).toFixed(Math.floor(next() * 5)),
    unit: row.units[Math.floor(next() * row.units.length)],
  })));
}

// One CSV line's cells, quotes undone.
function cells(line) {
  const out = [];
  for (const match of line.matchAll(/("((?:[^"]|"")*)"|[^,]*)(,|$)/g)) {
    out.push(match[2] !== undefined ? match[2].replaceAll('""', '"') : match[1]);
    if (match[3] === '') break;
  }
  return out;
}

// Runs in the page: each value entered and its unit picked through the
// controls' events, E left for the button, Calculate pressed, and the
// message answered. The page's own handlers do the rest.
function enterAndCalculate(design, rowsOfTheForm, panelIds) {
  const $ = (id) => document.getElementById(id);
  design.forEach((value, r) => {
    const box = $(rowsOfTheForm[r].box);
    box.focus();
    box.value = value.text;
    box.dispatchEvent(new InputEvent('input', { bubbles: true }));
    if (!rowsOfTheForm[r].list) return;
    const list = $(rowsOfTheForm[r].list);
    list.focus();
    list.value = value.unit;
    list.dispatchEvent(new Event('change', { bubbles: true }));
  });
  $('cmdCalc').focus();
  $('cmdCalc').click();
  const dialog = $('dlgMessage');
  const message = dialog.open ? $('lblMessage').textContent : '';
  if (dialog.open) dialog.close();
  const panel = panelIds.map((id) => $(id).textContent);
  return { f: $('txtF').value, d: $('txtD').value, l: $('txtL').value, message, panel };
}

// The panel's figures, by the engine's table, and its messages: which
// element shows which column of brenmor-size's list, and in which unit.
async function panelOf(page) {
  const figures = await page.evaluate(async () => {
    const { call } = await brenmorEngine.start();
    return call('form').split('\x1D').filter(Boolean).slice(6).map(brenmorEngine.struct)
      .filter((f) => f.inPanel).map((f) => ({ name: f.name, id: f.pageId, unit: f.unit }));
  });
  return [...figures, { name: 'wall_message', id: 'wallMessage', unit: '' },
    { name: 'cost_message', id: 'costMessage', unit: '' }];
}

function nativeTexts(list, panel) {
  const csv = ['P,C,S,E,V', ...list.map((d) => d.map((v) => `${v.text} ${v.unit}`.trim()).join(','))];
  // Exit status 1: some design was refused, as some are meant to be.
  const run = spawnSync(sizer, ['--csv', '-'], { input: `${csv.join('\n')}\n` });
  assert.ok(run.status === 0 || run.status === 1, run.stderr.toString());
  const [header, ...lines] = run.stdout.toString().trimEnd().split('\n');
  const column = Object.fromEntries(cells(header).map((name, i) => [name, i]));
  return lines.map((line) => {
    const row = cells(line);
    const cell = (name) => row[column[name]];
    return {
      f: cell('F'), d: cell('D_mm'), l: cell('L_mm'), message: cell('message'),
      panel: panel.map(({ name, unit }) => (cell(name) && unit ? `${cell(name)} ${unit}` : cell(name))),
    };
  });
}

for (const b of browsers) {
  describe(b.name, () => {
    let browser;
    before(async () => { browser = await launch(b); });
    after(async () => browser?.close());

    // Every design through the controls' own events, in the page.
    test(`${designs} random designs give the native engine's texts`, async () => {
      const list = makeDesigns(designs);
      const w = await open(browser);
      const panel = await panelOf(w.page);
      const expected = nativeTexts(list, panel);
      try {
        for (let i = 0; i < list.length; ++i) {
          const shown = await w.page.evaluate(enterAndCalculate, list[i], rows, panel.map((p) => p.id));
          assert.deepEqual(shown, expected[i], `design ${i}: ${JSON.stringify(list[i])}`);
        }
      } finally {
        await w.page.close();
      }
    });

    // The first of them typed on the keyboard and picked, as a person does.
    test(`${typedDesigns} of them typed give the same`, async () => {
      const list = makeDesigns(typedDesigns);
      const w = await open(browser);
      const panel = await panelOf(w.page);
      const expected = nativeTexts(list, panel);
      try {
        for (let i = 0; i < list.length; ++i) {
          for (const [r, value] of list[i].entries()) {
            await w.type(rows[r].box, value.text);
            if (rows[r].list) await w.pick(rows[r].list, value.unit);
          }
          await w.page.click('#cmdCalc');  // leaving E commits it first
          const message = await w.message();
          const [f, d, l] = await w.outputs();
          const shown = await w.page.evaluate((ids) =>
            ids.map((id) => document.getElementById(id).textContent), panel.map((p) => p.id));
          assert.deepEqual({ f, d, l, message, panel: shown }, expected[i],
            `design ${i}: ${JSON.stringify(list[i])}`);
        }
      } finally {
        await w.page.close();
      }
    });
  });
}
