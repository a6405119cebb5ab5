// Lists sized in the page, in each browser here: pasted, opened and dropped,
// with every option, stopped, and malformed; what the page saves is compared
// byte for byte with what brenmor-size (BRENMOR_SIZE) writes for the same
// bytes and options.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { browsers, launch, open, pageUrl, random } from './browser.mjs';

const sizer = process.env.BRENMOR_SIZE ?? 'build/default/cli/brenmor-size';
const dir = mkdtempSync(join(tmpdir(), 'brenmor-lists-'));

function brenmorSize(bytes, args) {
  const file = join(dir, 'input');
  writeFileSync(file, bytes);
  const run = spawnSync(sizer, ['--csv', file, ...args], { maxBuffer: 1 << 28 });
  const said = run.stderr.toString().replace(`brenmor-size: ${file}: `, '').trim();
  return { status: run.status, out: run.stdout, said };
}

// What the page says of a list brenmor-size cannot size: the same words,
// with the page's own hint where brenmor-size gives its own.
function pageSays(said) {
  const words = said.replace(/; add one, or give [A-Z]=VALUE for every row$/, '');
  return `The list cannot be sized: ${words}${words === said ? '' : '; add one to the list'}`;
}

// 10,000 rows, well-formed ones among every kind of malformed one.
function mixedList() {
  const next = random(18);
  const kinds = [
    () => `V-${Math.floor(next() * 1e4)},${(next() * 40).toFixed(1)} barg,3,16000,0.85,${(next() * 90 + 1).toFixed(1)} m3`,
    () => `V-1,${(next() * 500).toFixed(0)},0.125,17500,0.8,${(next() * 5000).toFixed(0)}`,
    () => 'V-2,ten,3,16000,0.85,20',
    () => 'V-3,"10,5",3,16000,0.85,20',
    () => 'V-4,10,3,16000',
    () => 'V-5"x",10,3,16000,0.85,20',
    () => '"V-6, ""quoted""\nacross lines",10,3,16000,0.85,20',
    () => 'V-7,10,3,16000,1.2,20',
    () => '',
    () => 'V-8,110.3 MPa,3,16000,0.85,20',
    () => 'V-9,10 psia,3,16000,0.85,20',
  ];
  const lines = ['Tag,P,C [mm],S,E,V'];
  for (let i = 0; i < 10000; ++i) lines.push(kinds[Math.floor(next() * kinds.length)]());
  return Buffer.from(`${lines.join('\r\n')}\r\n"V-10,never closed,1\r\n`);
}

const readmeList = () => {
  const readme = readFileSync(new URL('../../README.md', import.meta.url), 'utf8');
  return Buffer.from(readme.match(/\$ cat drums\.csv\n([^$]*)\$/)[1]);
};

// As LibreOffice Calc saves a sheet kept with a decimal comma: ';' between
// cells, CRLF, the units in the header's words, quotes only where needed.
const libreOffice = Buffer.from([
  'Tag;Service;Design pressure (barg);Corrosion allowance (mm);Stress (psi);Joint efficiency;Volume (m3)',
  'V-101;Flash drum;10;3;16000;0,85;20',
  'V-102;"Receiver; air";8,5;1,5;17500;0,85;2,5',
  'V-103;Separator;12;0;16000;0,85;40',
  'V-104;Knock-out drum;4,2;3;16000;1;12,75',
  '',
].join('\r\n'));

// The page's options, each a position on its list, and brenmor-size's.
const byDefault = { delimiter: 0, decimalComma: false, head: 0, step: 0 };
const cases = [
  { name: 'readmeList', bytes: readmeList, options: byDefault, args: [] },
  { name: 'libreOfficeExport', bytes: () => libreOffice,
    options: { ...byDefault, decimalComma: true }, args: ['--decimal-comma'] },
  { name: 'mixedTenThousandRows', bytes: mixedList, options: byDefault, args: [] },
  { name: 'hemisphericalHeadsOnMillimetrePlate', bytes: readmeList,
    options: { ...byDefault, head: 1, step: 1 }, args: ['--head', 'hemispherical', '--plate-step', '1mm'] },
  { name: 'semicolonChosen', bytes: () => Buffer.from('P;C;S;E;V\n10;0;16000;0.8;20\n"12;0";1;1;1;1\n'),
    options: { ...byDefault, delimiter: 2 }, args: ['--delimiter', ';'] },
  { name: 'tabChosen', bytes: () => Buffer.from('P\tC\tS\tE\tV\r\n10\t0.1\t16000\t0.8\t20\r\n'),
    options: { ...byDefault, delimiter: 3 }, args: ['--delimiter', 'tab'] },
  { name: 'commaChosenWithDecimalComma', bytes: readmeList,
    options: { ...byDefault, delimiter: 1, decimalComma: true }, args: ['--decimal-comma', '--delimiter', ','],
    says: 'A list with a decimal comma needs a delimiter other than the comma' },
  { name: 'decimalCommaWithoutTheOption', bytes: () => Buffer.from('P,C,S,E,V\n"10,5",0,16000,0.8,20\n'),
    options: byDefault, args: [] },
  { name: 'strayQuoteAndRaggedRows', bytes: () => Buffer.from('P,C,S,E,V\n10"x,0,1,1,1\n1,2\n1,2,3,4,5,6\n"a"b,1,1,1,1\n'),
    options: byDefault, args: [] },
  { name: 'openQuoteAtTheEnd', bytes: () => Buffer.from('P,C,S,E,V\n10,0,16000,0.8,20\n"1,2,3\n'),
    options: byDefault, args: [] },
  { name: 'headerWithoutTheFields', bytes: () => Buffer.from('Tag,Pressure,Corrosion,Stress\nV-1,1,2,3\n'),
    options: byDefault, args: [] },
  { name: 'emptyFile', bytes: () => Buffer.alloc(0), options: byDefault, args: [] },
  { name: 'binaryFile', bytes: () => Buffer.from(Array.from({ length: 70000 }, random(7)).map((x) => Math.floor(x * 256))),
    options: byDefault, args: [] },
  { name: 'cellOfOneMebibyte', bytes: () => Buffer.from(`Tag,P,C,S,E,V\n${'x'.repeat(1 << 20)},10,0,16000,0.8,20\nV-2,10,0,16000,0.8,20\n`),
    options: byDefault, args: [] },
];

for (const b of browsers) {
  describe(`${b.name} lists`, () => {
    let browser;
    before(async () => { browser = await launch(b); });
    after(async () => browser?.close());
    const withPage = (name, body, viewport = { width: 1200, height: 900 }) => test(name, async () => {
      const w = await open(browser, viewport);
      try {
        await w.page.waitForSelector('body[data-list-ready]');
        await keepSaved(w.page);
        await body({ ...w, ...driveList(w.page) });
        assert.deepEqual(w.errors, [], 'the page threw');
      } finally {
        await w.page.close();
      }
    });

    for (const c of cases) {
      withPage(`${c.name}IsSavedAsBrenmorSizeWritesIt`, async (w) => {
        const bytes = c.bytes();
        await w.choose(c.options);
        await w.openFile(bytes);
        await w.done();
        const native = brenmorSize(bytes, c.args);
        if (native.status === 2 || c.says) {
          assert.equal(await w.text('lblListMessage'), c.says ?? pageSays(native.said));
          assert.equal(await w.disabled('cmdListDownload'), true);
          return;
        }
        assert.equal(await w.text('lblListMessage'), '');
        const saved = await w.download();
        assert.equal(saved.name, 'list-sized.csv');
        assert.ok(saved.bytes.equals(native.out), `${saved.bytes.length} bytes against ${native.out.length}`);
        assert.match(await w.text('lblListSummary'), /^[\d,]+ rows?: [\d,]+ sized, [\d,]+ refused, [\d,]+ errors?$/);
        assert.ok(await w.tableRows() <= 1000);
      });
    }

    // A laptop's window shows every column: the heads and messages wrap and
    // the list's own columns give way, with their whole text as a title.
    withPage('tableFitsALaptopsWindow', async (w) => {
      await w.openFile(Buffer.from('Tag,Service,P [bar],C [mm],S,E,V [m^3]\n'
        + 'V-101,A service described at great length,10,3,16000,0.85,20\nV-103,Sep,12,0,16000,0.85,40\n'));
      await w.done();
      const { table, room } = await w.page.$eval('#tblList', (t) => ({ table: t.scrollWidth, room: t.parentElement.clientWidth }));
      assert.ok(table <= room, `${table} px of table in ${room} px`);
      const heads = await w.page.$$eval('#tblList th', (cells) => cells.map((c) => c.textContent));
      assert.deepEqual(heads.slice(0, 2), ['Line in the list', 'Tag']);
      assert.ok(heads.includes('D (mm)') && heads.includes('Shell (mm)'), heads.join('|'));
      assert.equal(await w.page.$eval('#tblList th:nth-child(9)', (c) => c.title),
        'F (1/in): Vessel factor F = P / (C S E), in 1/in, worked out again whenever P, C, S or E is taken in.');
      assert.equal(await w.page.$eval('#tblList tbody td.carried:nth-child(3)', (c) => c.title),
        'A service described at great length');
    }, { width: 1280, height: 800 });

    withPage('pastedCellsAreSizedAsTheyLandAndCopyBackAsCells', async (w) => {
      const cells = 'Tag\tDesign pressure (barg)\tC\tS\tE\tV (m3)\nV-1\t10\t3\t16000\t0.85\t20\nV-2\tten\t3\t16000\t0.85\t20\n';
      await w.paste(cells);
      await w.done();
      assert.equal(await w.text('lblListSummary'), '2 rows: 1 sized, 0 refused, 1 error');
      assert.match(await w.text('lblListColumns'), /^Columns taken: P from "Design pressure \(barg\)" in barg;/);
      const native = brenmorSize(cells, ['--delimiter', 'tab']);
      assert.ok((await w.download()).bytes.equals(native.out));
      // The copy pasted back keeps its columns, and is sized again.
      const copied = await w.copy();
      assert.equal(copied, native.out.toString());
      await w.paste(copied);
      await w.done();
      const header = await w.page.$$eval('#tblList thead th', (ths) => ths.map((th) => th.textContent));
      const copiedHeader = copied.split('\n')[0].split('\t');
      assert.deepEqual(header.slice(1, copiedHeader.length + 1), copiedHeader);
      assert.equal(await w.tableRows(), 2);
    });

    // Firefox gives a page's own paste event no clipboard data.
    if (b.name === 'chromium') {
      withPage('cellsTooManyForTheBoxAreSizedWithoutIt', async (w) => {
        const cells = `P\tC\tS\tE\tV\n${'10\t0.125\t16000\t0.8\t20\n'.repeat(60000)}`;
        await w.page.evaluate((text) => {
          const data = new DataTransfer();
          data.setData('text/plain', text);
          document.getElementById('txtList').dispatchEvent(
            new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
        }, cells);
        await w.done();
        assert.equal(await w.value('txtList'), '');
        assert.match(await w.page.$eval('#txtList', (e) => e.placeholder), /too many to show here/);
        assert.equal(await w.text('lblListSummary'), '60,000 rows: 60,000 sized, 0 refused, 0 errors');
        assert.ok((await w.download()).bytes.equals(brenmorSize(cells, ['--delimiter', 'tab']).out));
      });
    }

    withPage('aDroppedFileIsSized', async (w) => {
      const bytes = readmeList();
      await w.page.evaluate((text) => {
        const data = new DataTransfer();
        data.items.add(new File([text], 'drums.csv', { type: 'text/csv' }));
        document.getElementById('list').dispatchEvent(
          new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
      }, bytes.toString());
      await w.done();
      const saved = await w.download();
      assert.equal(saved.name, 'drums-sized.csv');
      assert.ok(saved.bytes.equals(brenmorSize(bytes, []).out));
    });

    withPage('aLongListStopsWhenCancelledAndTheFormAnswersMeanwhile', async (w) => {
      await w.page.evaluate(() => {
        const data = new DataTransfer();
        const rows = '10,0.125,16000,0.8,20\n'.repeat(3_000_000);
        data.items.add(new File([`P,C,S,E,V\n${rows}`], 'long.csv'));
        document.getElementById('list').dispatchEvent(
          new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
      });
      await w.page.waitForFunction(() => document.getElementById('prgList').value > 0);
      await w.page.click('#cmdCalc');
      const defaults = JSON.parse(spawnSync(sizer, ['--json']).stdout);
      assert.equal(await w.value('txtD'), String(defaults.D_mm));
      await w.page.click('#cmdListCancel');
      assert.equal(await w.page.$eval('#list', (e) => e.dataset.state), 'stopped');
      assert.match(await w.text('lblListSummary'), /^Stopped after [\d,]+ rows: [\d,]+ sized, 0 refused, 0 errors$/);
      assert.equal(await w.disabled('cmdListDownload'), true);
      assert.equal(await w.disabled('cmdListCopy'), true);
    });

    withPage('aListAsksForNothingFromAnywhere', async (w) => {
      await w.openFile(readmeList());
      await w.done();
      await w.download();
      assert.deepEqual(w.requests.filter((url) => url !== pageUrl && !url.startsWith('blob:')), []);
      const policy = await w.page.$eval('meta[http-equiv="Content-Security-Policy"]', (e) => e.content);
      assert.match(policy, /worker-src blob:;/);
      assert.match(policy, /connect-src 'none'/);
    });
  });
}

// What the page saves is kept for the test rather than downloaded.
async function keepSaved(page) {
  await page.evaluate(() => {
    const make = URL.createObjectURL;
    URL.createObjectURL = (blob) => {
      if (blob.type === 'text/csv') window.savedBlob = blob;
      return make.call(URL, blob);
    };
    HTMLAnchorElement.prototype.click = function click() { window.savedName = this.download; };
    navigator.clipboard.writeText = async (text) => { window.copied = text; };
  });
}

function driveList(page) {
  const d = {
    text: (id) => page.$eval(`#${id}`, (e) => e.textContent),
    disabled: (id) => page.$eval(`#${id}`, (e) => e.disabled),
    tableRows: () => page.$$eval('#tblList tbody tr', (rows) => rows.length),
    async choose({ delimiter, decimalComma, head, step }) {
      // As a person picks each, so that the panel's reach the form's model.
      await page.evaluate((choices) => {
        for (const [id, index] of choices) {
          const list = document.getElementById(id);
          list.selectedIndex = index;
          list.dispatchEvent(new Event('change'));
        }
      }, [['cmbListDelimiter', delimiter], ['cmbHead', head], ['cmbPlateStep', step]]);
      if (decimalComma) await page.click('#chkListDecimalComma');
    },
    async openFile(bytes) {
      const file = join(dir, 'list.csv');
      writeFileSync(file, bytes);
      const input = await page.$('#fileList');
      await input.uploadFile(file);
    },
    // Cells put in the box as a spreadsheet's paste puts them.
    async paste(text) {
      await page.evaluate((cells) => {
        const box = document.getElementById('txtList');
        box.value = cells;
        const data = new DataTransfer();
        data.setData('text/plain', cells);
        box.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true }));
      }, text);
      await page.waitForSelector('#list[data-state="running"], #list[data-state="done"]');
    },
    done: () => page.waitForSelector('#list[data-state="done"]', { timeout: 60_000 }),
    async download() {
      await page.click('#cmdListDownload');
      const base64 = await page.evaluate(async () => {
        const bytes = new Uint8Array(await window.savedBlob.arrayBuffer());
        let binary = '';
        for (let i = 0; i < bytes.length; i += 0x8000) {
          binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
        }
        return btoa(binary);
      });
      return { name: await page.evaluate(() => window.savedName), bytes: Buffer.from(base64, 'base64') };
    },
    async copy() {
      await page.click('#cmdListCopy');
      await page.waitForFunction(() => window.copied !== undefined);
      return page.evaluate(() => window.copied);
    },
  };
  return d;
}
