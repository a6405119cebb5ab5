// The window's behaviours proven again in the page, in each browser here,
// with the window tests' names where a case carries over.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { browsers, launch, open, pageUrl } from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core'), 'utf8');

const sizer = process.env.BRENMOR_SIZE ?? 'build/default/cli/brenmor-size';

// brenmor-size --json for the same design and options.
function brenmorSize(args) {
  const run = spawnSync(sizer, ['--json', '--explain', ...args]);
  assert.equal(run.status, 0, run.stderr.toString());
  return JSON.parse(run.stdout.toString());
}

const RED = 'rgb(255, 0, 0)';
const BLUE = 'rgb(0, 0, 255)';

for (const b of browsers) {
  describe(b.name, () => {
    let browser;
    before(async () => { browser = await launch(b); });
    after(async () => browser?.close());
    // A fresh page for each test, closed after it.
    const withPage = (name, body, viewport) => test(name, async () => {
      const w = await open(browser, viewport);
      try {
        await body(w);
        assert.deepEqual(w.errors, [], 'the page threw');
      } finally {
        await w.page.close();
      }
    });

    withPage('opensWithDefaultsRedAndListsHidden', async (w) => {
      for (const [id, text] of [['txtP', '100'], ['txtC', '0.0625'], ['txtS', '16000'],
        ['txtE', '0.8'], ['txtV', '1000']]) {
        assert.equal(await w.value(id), text, id);
        assert.equal(await w.colour(id), RED, id);
      }
      assert.deepEqual(await w.outputs(), ['', '', '']);
      for (const id of ['cmbPU', 'cmbCU', 'cmbSU', 'cmbVU']) assert.equal(await w.shown(id), false);
      assert.equal(await w.focused(), 'txtP');
    });

    withPage('roadOfOneCalculation', async (w) => {
      await w.type('txtP', '10');
      assert.equal(await w.shown('cmbPU'), true);
      assert.equal(await w.listText('cmbPU'), '<< Select Units >>');
      assert.equal(await w.colour('txtP'), BLUE);
      await w.pick('cmbPU', 'bar');
      assert.equal(await w.value('txtP'), '145.038');
      assert.equal(await w.shown('cmbPU'), false);
      assert.equal(await w.value('txtF'), '0.181');
      await w.page.click('#cmdCalc');
      assert.deepEqual(await w.outputs(), ['0.181', '1562', '14782']);
    });

    // The figures beside the chart follow each Calculate and the heads and
    // plate step chosen, as brenmor-size --json gives them.
    for (const [row, typed, head, step, shown, message] of [
      ['ellipsoidal', '100', '2:1 ellipsoidal', '1/16 in',
        ['9.5 mm', '9.5 mm', '5481 kg', '35112 kg', '1570 mm'], ''],
      ['hemisphericalInMillimetres', '100', 'hemispherical', '1 mm',
        ['9.0 mm', '5.0 mm', '5088 kg', '36011 kg', '1652 mm'], ''],
      ['vacuum', '-10', '2:1 ellipsoidal', '1/16 in', ['', '', '', '', ''],
        'The wall is worked out for internal pressure only, and P is below 0'],
    ]) {
      withPage(`wallAndWeightFollowEachCalculate/${row}`, async (w) => {
        await w.type('txtP', typed);
        await w.pick('cmbPU', 'psi');
        await w.page.click('#cmdCalc');
        await w.pick('cmbHead', head);
        await w.pick('cmbPlateStep', step);
        const ids = ['tShell', 'tHead', 'weightEmpty', 'weightWater', 'leastWeightD'];
        const text = (id) => w.page.$eval(`#${id}`, (e) => e.textContent);
        assert.deepEqual(await Promise.all(ids.map(text)), shown);
        assert.equal(await text('wallMessage'), message);
        assert.equal(await w.page.$eval('#picWeight svg circle', (e) => !!e).catch(() => false),
          message === '');
        assert.equal(await w.page.$eval('#cmbHead', (e) => e.labels[0].textContent), 'Heads');
      });
    }

    // A browser without WebAssembly gets a sentence, not a busy form.
    test('saysSoWhenTheEngineCannotStart', async () => {
      const page = await browser.newPage();
      try {
        await page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
        await page.goto(pageUrl);
        await page.waitForSelector('body[data-ready="no-engine"]');
        const said = await page.$eval('#frmBrenmor', (e) => e.textContent);
        assert.match(said, /needs WebAssembly/);
        assert.equal(await page.$eval('#frmBrenmor', (e) => e.hasAttribute('aria-busy')), false);
      } finally {
        await page.close();
      }
    });

    withPage('calculateUsesCommittedValuesOnly', async (w) => {
      await w.type('txtP', '200');
      await w.page.click('#cmdCalc');
      assert.deepEqual(await w.outputs(), ['0.125', '1703', '12446']);
    });

    withPage('volumePickLeavesFAlone', async (w) => {
      await w.type('txtV', '20');
      await w.pick('cmbVU', 'm^3');
      assert.equal(await w.value('txtV'), '705.751');
      assert.equal(await w.shown('cmbVU'), false);
      assert.equal(await w.value('txtF'), '');
    });

    withPage('writtenBackTextEqualToTypedRaisesNoChange', async (w) => {
      await w.type('txtP', '100');
      await w.pick('cmbPU', 'psi');
      assert.equal(await w.shown('cmbPU'), false);
      assert.equal(await w.listText('cmbPU'), 'psi', 'the hidden list keeps the picked unit');
    });

    withPage('sameUnitCanBePickedAgain', async (w) => {
      for (const typed of ['10', '20']) {
        await w.type('txtP', typed);
        await w.pick('cmbPU', 'bar');
      }
      assert.equal(await w.value('txtP'), '290.076');
    });

    for (const [row, typed, message, committed] of [
      ['rejected', '1.5', 'E must be less than 1', '0.125'],
      ['exactlyOne', '1', '', '0.1'],
    ]) {
      withPage(`eCheckOnLeavingTheBox/${row}`, async (w) => {
        await w.type('txtE', typed);
        await w.press('Tab');
        assert.equal(await w.message(), message);
        assert.equal(await w.value('txtF'), committed);
        if (message) {
          assert.equal(await w.value('txtE'), '');
          assert.equal(await w.focused(), 'txtE');
        }
      });
    }

    withPage('emptiedEBoxCommitsZeroWhenLeft', async (w) => {
      await w.type('txtE', '');
      await w.press('Tab');
      await w.page.click('#cmdCalc');
      assert.equal(await w.message(), 'The correlation needs a joint efficiency above 0');
    });

    for (const row of ['byMnemonic', 'byClick']) {
      withPage(`calculateCommitsEFirst/${row}`, async (w) => {
        await w.type('txtE', '0.5');
        if (row === 'byClick') await w.page.click('#cmdCalc');
        else await w.altC();
        assert.deepEqual(await w.outputs(), ['0.2', '1516', '15706']);
      });
    }

    withPage('rejectedEStopsTheCalculation', async (w) => {
      await w.type('txtE', '2');
      await w.altC();
      assert.equal(await w.message(), 'E must be less than 1');
      assert.deepEqual(await w.outputs(), ['0.125', '', '']);
      assert.equal(await w.focused(), 'txtE');
    });

    withPage('refusedCommitKeepsTextAndList', async (w) => {
      await w.type('txtP', '1E400');
      await w.pick('cmbPU', 'psi');
      assert.equal(await w.message(), 'Design pressure is out of range');
      assert.equal(await w.value('txtP'), '1E400');
      assert.equal(await w.shown('cmbPU'), true);
      assert.equal(await w.listText('cmbPU'), '<< Select Units >>');
      assert.equal(await w.focused(), 'cmbPU');
    });

    for (const [row, box, list, typed, unit, message, f] of [
      ['noCorrosionAllowance', 'txtC', 'cmbCU', '0', 'in',
        'The correlation needs a corrosion allowance above 0', ''],
      ['beyondTheCorrelation', 'txtP', 'cmbPU', '4000', 'psi',
        'F is above 3, beyond the sizing correlation', '5'],
      ['noVolume', 'txtV', 'cmbVU', '0', 'ft^3', 'Vessel volume must be greater than 0', '0.125'],
    ]) {
      withPage(`refusedCalculationLeavesNoStaleSize/${row}`, async (w) => {
        await w.page.click('#cmdCalc');
        await w.type(box, typed);
        await w.pick(list, unit);
        await w.page.click('#cmdCalc');
        assert.equal(await w.message(), message);
        assert.deepEqual(await w.outputs(), [f, '', '']);
        assert.equal(await w.focused(), 'cmdCalc');
      });
    }

    withPage('tabOrderSkipsHiddenLists', async (w) => {
      const order = [];
      for (let i = 0; i < 9; ++i) {
        order.push(await w.focused());
        await w.press('Tab');
      }
      assert.deepEqual(order,
        ['txtP', 'txtC', 'txtS', 'txtE', 'txtF', 'cmdCalc', 'txtV', 'txtD', 'txtL']);
      await w.type('txtP', '1');
      await w.press('Tab');
      assert.equal(await w.focused(), 'cmbPU');
    });

    withPage('screenReaderNamesEveryControl', async (w) => {
      const names = await w.page.evaluate(() => Object.fromEntries(
        Array.from(document.querySelectorAll('#frmBrenmor [id]'), (e) => [e.id,
          e.getAttribute('aria-label') ?? (e.labels?.[0] ?? e).textContent.trim()])));
      const expected = {
        txtV: 'Vessel (ft^3)', txtP: 'Design pressure (psi) [P]',
        txtC: 'Corrosion allowance (in) [C]', txtS: 'Stress value of material (psi) [S]',
        txtE: 'Joint Efficiency [E]', txtF: 'F (1/in)', txtD: 'Diameter (mm)',
        txtL: 'Length or Height (mm)', cmbVU: 'Units of vessel volume',
        cmbPU: 'Units of design pressure', cmbCU: 'Units of corrosion allowance',
        cmbSU: 'Units of stress value', cmdCalc: 'Calculate', Image1: 'Brenmor logo',
        Line1: 'Separator', Label9: 'Rev.Z', Label10: '29-Sep-2012',
      };
      for (const [id, name] of Object.entries(expected)) assert.equal(names[id], name, id);
      assert.equal(await w.page.title(), 'Brenmor');
    });

    withPage('wholeJobFromTheKeyboard', async (w) => {
      await w.page.keyboard.type('');
      await w.type('txtP', '10');
      await w.press('Tab');
      assert.equal(await w.focused(), 'cmbPU');
      await w.page.keyboard.type('b');  // picks "bar" as a closed list does
      assert.equal(await w.value('txtP'), '145.038');
      await w.press('Tab');
      await w.press('Tab');
      assert.equal(await w.focused(), 'txtE');
      await w.page.keyboard.type('0.8');
      await w.altC();
      assert.deepEqual(await w.outputs(), ['0.181', '1562', '14782']);
    });

    withPage('inputsAndOutputsExplainThemselves', async (w) => {
      for (const [id, words] of [['txtP', 'psi'], ['txtC', 'inches'], ['txtV', 'cubic feet'],
        ['txtE', 'leave the box'], ['txtF', 'F = P / (C S E)']]) {
        assert.match(await w.page.$eval(`#${id}`, (e) => e.title), new RegExp(words.replace(/[()/]/g, '.')));
      }
    });

    withPage('backgroundMenuCopiesTheRecord', async (w) => {
      await w.page.evaluate(() => {
        window.copied = null;
        navigator.clipboard.writeText = async (text) => { window.copied = text; };
      });
      await w.page.click('#cmdCalc');
      await w.page.click('#Label1', { button: 'right' });
      assert.equal(await w.shown('mnuBackground'), true);
      assert.equal(await w.focused(), 'mnuCopyRecord');
      await w.press('Enter');
      const copied = await w.page.evaluate(() => window.copied);
      assert.match(copied, /^Brenmor calculation record\n/);
      assert.match(copied, /\n {4}= 1702\.68 mm, shown 1703\n/);
      assert.match(copied, /\n {2}L\/D = 7\.31\n/);
      assert.equal(await w.shown('mnuBackground'), false);
    });

    // The record copied is brenmor-size's, byte for byte, with the panel's
    // heads and plate step, which the form's model holds.
    for (const [head, step, args] of [
      ['2:1 ellipsoidal', '1/16 in', []],
      ['hemispherical', '1/16 in', ['--head', 'hemispherical']],
      ['2:1 ellipsoidal', '1 mm', ['--plate-step', '1mm']],
      ['hemispherical', '1 mm', ['--head', 'hemispherical', '--plate-step', '1mm']],
    ]) {
      withPage(`recordIsBrenmorSizes/${args.join('') || 'byDefault'}`, async (w) => {
        await w.page.evaluate(() => {
          navigator.clipboard.writeText = async (text) => { window.copied = text; };
        });
        await w.type('txtP', '10');
        await w.pick('cmbPU', 'bar');
        await w.type('txtV', '20');
        await w.pick('cmbVU', 'm^3');
        await w.page.click('#cmdCalc');
        await w.pick('cmbHead', head);
        await w.pick('cmbPlateStep', step);
        await w.page.click('#Label1', { button: 'right' });
        await w.press('Enter');
        const copied = await w.page.evaluate(() => window.copied);
        assert.equal(copied, brenmorSize(['P=10bar', 'V=20m^3', ...args]).record);
      });
    }

    // A record the engine cannot make is said, not copied empty.
    withPage('recordNotMadeSaysSo', async (w) => {
      await w.page.evaluate(async () => {
        window.copied = null;
        navigator.clipboard.writeText = async (text) => { window.copied = text; };
        const { engine } = await brenmorEngine.start();
        const ccall = engine.ccall.bind(engine);
        engine.ccall = (name, ...rest) => (name === 'brenmor_record' ? '\x1Eerror\x1Fout of memory\x1E' : ccall(name, ...rest));
      });
      await w.page.click('#Label1', { button: 'right' });
      await w.press('Enter');
      await w.page.waitForFunction(() => document.getElementById('dlgMessage').open);
      assert.equal(await w.message(), 'The calculation record could not be copied to the clipboard');
      assert.equal(await w.page.evaluate(() => window.copied), null);
    });

    // The separators of the engine's answers, typed into a box: the box
    // keeps them, the page goes on, and they read as any text does.
    withPage('separatorsTypedIntoABoxAreJustText', async (w) => {
      await w.page.click('#txtC');
      await w.page.keyboard.down('Control');
      await w.page.keyboard.press('KeyA');
      await w.page.keyboard.up('Control');
      for (const c of '\x1E\x1F\x1B') await w.page.keyboard.sendCharacter(c);
      assert.equal(await w.value('txtC'), '\x1E\x1F\x1B');
      assert.equal(await w.shown('cmbCU'), true);
      await w.pick('cmbCU', 'in');
      assert.equal(await w.value('txtC'), '0');
      await w.page.click('#cmdCalc');
      assert.equal(await w.message(), 'The correlation needs a corrosion allowance above 0');
      await w.type('txtC', '\x1E0.0625');
      assert.equal(await w.value('txtC'), '\x1E0.0625');
    });

    // Each figure of the engine's table stands in the page where the table
    // says, with brenmor-size's digits.
    withPage('showsEveryFigureOfTheTable', async (w) => {
      const figures = await w.page.evaluate(async () => {
        const { call } = await brenmorEngine.start();
        return call('form').split('\x1D').filter(Boolean).slice(6).map(brenmorEngine.struct)
          .map((f) => ({ name: f.name, id: f.pageId, inPanel: f.inPanel }));
      });
      await w.page.click('#cmdCalc');
      const json = brenmorSize([]);
      assert.ok(figures.length >= 9);
      for (const { name, id, inPanel } of figures) {
        const shown = await w.page.$eval(`#${id}`, (e) => e.value ?? e.textContent);
        assert.ok(json[name] !== null, name);
        assert.equal(Number.parseFloat(shown), json[name], `${name} in #${id}: ${shown}`);
        assert.equal(await w.page.$eval(`#${id}`, (e) => e.closest('#wall') !== null), Boolean(inPanel), id);
      }
    });

    // The panel's heads, orientation and cost index are the form's: what
    // it shows is brenmor-size's for the same options.
    for (const [row, head, orientation, index, args] of [
      ['torisphericalHorizontal', 'torispherical (F&D)', 'horizontal', '', ['--head', 'torispherical', '--orientation', 'horizontal']],
      ['indexOf816', '2:1 ellipsoidal', 'vertical', '816', ['--cost-index', '816']],
    ]) {
      withPage(`panelChoicesAreBrenmorSizes/${row}`, async (w) => {
        await w.page.click('#cmdCalc');
        await w.pick('cmbHead', head);
        await w.pick('cmbOrientation', orientation);
        if (index) {
          await w.type('txtCostIndex', index);
          await w.press('Tab');
        }
        const json = brenmorSize(args);
        for (const [id, name] of [['mawp', 'mawp_psi'], ['costVessel', 'cost_usd'],
          ['costPlatforms', 'cost_platforms_usd'], ['leastCostD', 'least_cost_D_mm'], ['tHead', 't_head_mm']]) {
          const shown = await w.page.$eval(`#${id}`, (e) => e.textContent);
          assert.equal(Number.parseFloat(shown), json[name], `${name}: ${shown}`);
        }
        assert.equal(await w.page.$eval('#costMessage', (e) => e.textContent), json.cost_message);
      });
    }

    // A cost index that is no number above 0 is refused as a bad value in
    // the form is: with its message, and the index in force shown again.
    for (const typed of ['0', 'abc', '-5']) {
      withPage(`badCostIndexIsRefused/${typed}`, async (w) => {
        await w.type('txtCostIndex', typed);
        await w.press('Tab');
        assert.equal(await w.message(), 'The cost index must be a number above 0');
        assert.equal(await w.value('txtCostIndex'), '567');
      });
    }

    withPage('refusedClipboardSaysSo', async (w) => {
      await w.page.evaluate(() => {
        navigator.clipboard.writeText = () => Promise.reject(new DOMException('denied'));
      });
      await w.page.click('#Label1', { button: 'right' });
      await w.press('Enter');
      await w.page.waitForFunction(() => document.getElementById('dlgMessage').open);
      assert.equal(await w.message(), 'The calculation record could not be copied to the clipboard');
    });

    withPage('noRequestLeavesThePageAndNothingIsKept', async (w) => {
      await w.type('txtP', '10');
      await w.pick('cmbPU', 'bar');
      await w.page.click('#cmdCalc');
      assert.deepEqual(w.requests.filter((url) => url !== pageUrl), []);
      assert.equal(await w.page.evaluate(() => document.cookie), '');
      assert.equal(await w.page.evaluate(() => localStorage.length + sessionStorage.length), 0);
      const policy = await w.page.$eval('meta[http-equiv="Content-Security-Policy"]',
        (e) => e.content);
      assert.match(policy, /default-src 'none'/);
      assert.match(policy, /connect-src 'none'/);
    });

    // The boundary: a key the engine did not give, or a number off its
    // tables, is an error that says so, never undefined or a read past a table.
    withPage('theBoundaryRefusesWhatItDoesNotKnow', async (w) => {
      /* global brenmorEngine */
      const said = await w.page.evaluate(async () => {
        const { call } = await brenmorEngine.start();
        const attempt = (f) => { try { f(); return 'taken'; } catch (error) { return error.message; } };
        return [
          attempt(() => brenmorEngine.struct(call('view')).Ptxt),
          attempt(() => brenmorEngine.struct(call('text_edited', ['number', 'string'], [5, '1']))),
          attempt(() => brenmorEngine.struct(call('unit_picked', ['number', 'number', 'number'], [3, 0, 0]))),
          attempt(() => brenmorEngine.struct(call('option_picked', ['number', 'number'], [0, 9]))),
          attempt(() => brenmorEngine.struct(call('text_edited', ['number', 'string'], [0, null]))),
          attempt(() => brenmorEngine.struct(call('list_next'))),
          brenmorEngine.struct(call('unit_picked', ['number', 'number', 'number'], [0, 7, 0])).message,
        ];
      });
      assert.deepEqual(said, [
        'the engine gave no field "Ptxt"',
        'the engine refused a call: no such field',
        'the engine refused a call: no such unit list',
        'the engine refused a call: no such head kind, plate step or orientation',
        'the engine refused a call: no text',
        'the engine refused a call: no list is open',
        'Select a unit from the list',
      ]);
    });

    withPage('typedTextIsNeverMarkup', async (w) => {
      await w.type('txtP', '<img src=x onerror="window.hacked=1">');
      await w.pick('cmbPU', 'psi');
      assert.equal(await w.value('txtP'), '0');
      assert.equal(await w.page.evaluate(() => document.querySelectorAll('img').length), 0);
      assert.equal(await w.page.evaluate(() => window.hacked), undefined);
    });

    for (const [row, pressure, point, note] of [
      ['sized', '100', true, ''],
      ['refused', '4000', false, 'F is above 3, beyond the sizing correlation'],
    ]) {
      withPage(`chartFollowsEachCalculate/${row}`, async (w) => {
        const chart = () => w.page.$eval('#picChart svg', (svg) => ({
          lines: svg.querySelectorAll('line').length,
          point: svg.querySelectorAll('circle').length,
          text: svg.textContent,
          title: svg.querySelector('title').textContent,
        }));
        await w.page.waitForSelector('#picChart svg');
        assert.equal((await chart()).point, 0, 'no design before Calculate');
        await w.type('txtP', pressure);
        await w.pick('cmbPU', 'psi');
        await w.page.click('#cmdCalc');
        assert.equal(await w.message(), note);
        const shown = await chart();
        assert.equal(shown.lines, 13);
        assert.equal(shown.point, point ? 1 : 0);
        if (point) assert.match(shown.text, /D = 1703 mm/);
        else assert.match(shown.title, new RegExp(note));
      });
    }

    withPage('narrowScreenIsOneColumnInTheSameOrder', async (w) => {
      const order = ['Label6', 'txtV', 'Label1', 'txtP', 'Label2', 'txtC', 'Label4', 'txtS',
        'Label3', 'txtE', 'Label5', 'txtF', 'Label7', 'txtD', 'cmdCalc', 'Label8', 'txtL',
        'Label9'];
      const tops = await w.page.evaluate((ids) => ids.map((id) =>
        document.getElementById(id).getBoundingClientRect().top), order);
      for (let i = 1; i < tops.length; ++i) {
        assert.ok(tops[i] >= tops[i - 1], `${order[i]} above ${order[i - 1]}`);
      }
      const overflow = await w.page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
      assert.ok(overflow <= 0, 'wider than the screen');
    }, { width: 360, height: 740 });

    // axe-core's rules on the page after a Calculate: the one violation it
    // may find is the contrast of the window's own red, blue and green.
    for (const [row, viewport] of [['desktop', { width: 1280, height: 800 }],
      ['phone', { width: 360, height: 740 }]]) {
      withPage(`axeFindsOnlyTheWindowsColours/${row}`, async (w) => {
        await w.page.click('#cmdCalc');
        await w.page.evaluate(axeSource);
        const violations = await w.page.evaluate(async () =>
          (await globalThis.axe.run(document)).violations.map((v) => v.id));
        assert.deepEqual(violations.filter((id) => id !== 'color-contrast'), []);
      }, viewport);
    }

    // A reader who asks for more contrast gets darker shades that pass.
    test('moreContrastPassesEveryRule', async (t) => {
      const w = await open(browser, { width: 1280, height: 800 });
      try {
        // Puppeteer names no such feature; Chromium's own protocol does.
        if (b.name !== 'chromium') return t.skip(`${b.name} cannot emulate prefers-contrast here`);
        const devtools = await w.page.createCDPSession();
        await devtools.send('Emulation.setEmulatedMedia', {
          features: [{ name: 'prefers-contrast', value: 'more' }],
        });
        await w.page.click('#cmdCalc');
        await w.page.evaluate(axeSource);
        const violations = await w.page.evaluate(async () =>
          (await globalThis.axe.run(document)).violations.map((v) => v.id));
        assert.deepEqual(violations, []);
      } finally {
        await w.page.close();
      }
    });

    withPage('readableAtTwiceTheZoom', async (w) => {
      // 200 % of a 1280 x 800 screen: every control inside the viewport.
      const outside = await w.page.evaluate(() => Array.from(
        document.querySelectorAll('#frmBrenmor input, #frmBrenmor label, #cmdCalc'))
        .filter((e) => e.getBoundingClientRect().right > innerWidth).map((e) => e.id));
      assert.deepEqual(outside, []);
    }, { width: 640, height: 400 });
  });
}
