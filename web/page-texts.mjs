// The page's texts written into its HTML when the page is built, by the
// engine itself run under node: the first paint needs no engine call, and
// the engine stays the only source of every caption, help text and choice.
import { readFileSync } from 'node:fs';

const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
  .replace(/"/g, '&quot;');

// Each element is found by its id, exactly once, or the build fails.
function openTag(html, id) {
  const found = [...html.matchAll(new RegExp(`<([a-z0-9]+)\\b[^>]*\\bid="${id}"[^>]*>`, 'g'))];
  if (found.length !== 1) throw new Error(`index.html has ${found.length} elements with id ${id}, not one`);
  return { at: found[0].index, tag: found[0][0], name: found[0][1] };
}

class Html {
  constructor(html) { this.html = html; }

  // The element's content, which must be empty until now.
  fill(id, markup) {
    const { at, tag, name } = openTag(this.html, id);
    const end = at + tag.length;
    if (!this.html.startsWith(`</${name}>`, end)) throw new Error(`#${id} is not empty`);
    this.html = this.html.slice(0, end) + markup + this.html.slice(end);
    return this;
  }

  text(id, text) { return this.fill(id, escape(text)); }

  attribute(id, name, value) {
    const { at, tag } = openTag(this.html, id);
    const end = at + tag.length - 1;
    this.html = `${this.html.slice(0, end)} ${name}="${escape(value)}"${this.html.slice(end)}`;
    return this;
  }

  options(id, choices, placeholder) {
    const first = placeholder === undefined ? '' : `<option value="" disabled>${escape(placeholder)}</option>`;
    return this.fill(id, first + choices.map((c) => `<option>${escape(c)}</option>`).join(''));
  }
}

// "&Calculate": C underlined, and Alt+C named for a screen reader.
function mnemonic(html, id, text) {
  const at = text.indexOf('&');
  const key = text[at + 1];
  return html.fill(id, `${escape(text.slice(0, at))}<u>${escape(key)}</u>${escape(text.slice(at + 2))}`)
    .attribute(id, 'aria-keyshortcuts', `Alt+${key.toUpperCase()}`);
}

// The engine's glue and the boundary's struct reader, run here as the page
// runs them.
async function startEngine(engineJs, engineWasm, boundaryJs) {
  const createEngine = new Function(`${readFileSync(engineJs, 'utf8')}\nreturn createEngine;`)();
  const boundary = new Function(`${readFileSync(boundaryJs, 'utf8')}\nreturn brenmorEngine;`)();
  const engine = await createEngine({ wasmBinary: readFileSync(engineWasm) });
  return { ...boundary, call: (name) => engine.ccall(`brenmor_${name}`, 'string', [], []) };
}

export async function writeTexts(page, engineJs, engineWasm, boundaryJs) {
  const { call, struct, items } = await startEngine(engineJs, engineWasm, boundaryJs);
  const html = new Html(page);
  const [texts, ...captions] = call('form').split('\x1D').filter(Boolean).map(struct);
  html.fill('pageTitle', escape(texts.title)).text('lblTitle', texts.title);
  const boxes = [['txtP', 'Label1'], ['txtC', 'Label2'], ['txtS', 'Label4'], ['txtE', 'Label3'],
    ['txtV', 'Label6'], ['txtF', 'Label5'], ['txtD', 'Label7'], ['txtL', 'Label8']];
  boxes.forEach(([box, label], i) => html.text(label, captions[i].caption).attribute(box, 'title', captions[i].help));
  for (const field of captions.slice(0, 5)) {
    if (!field.unitsName) continue;
    html.attribute(`cmb${field.letter}U`, 'aria-label', field.unitsName)
      .options(`cmb${field.letter}U`, items(field.units), texts.selectUnits);
  }
  mnemonic(html, 'cmdCalc', texts.calculate);
  html.text('Label9', texts.revision).text('Label10', texts.date).attribute('Image1', 'aria-label', texts.logo)
    .attribute('Line1', 'aria-label', texts.separator).text('mnuCopyRecord', texts.copyRecord);

  const wall = struct(call('wall_texts'));
  html.text('wallTitle', wall.title).text('lblHead', wall.headKind).text('lblPlateStep', wall.plateStep)
    .options('cmbHead', items(wall.heads)).options('cmbPlateStep', items(wall.steps));
  for (const [name, caption, value] of [['t_shell_mm', 'capShell', 'tShell'], ['t_head_mm', 'capHead', 'tHead'],
    ['weight_empty_kg', 'capEmpty', 'weightEmpty'], ['weight_water_kg', 'capWater', 'weightWater'],
    ['least_weight_D_mm', 'capLeast', 'leastWeightD']]) {
    html.text(caption, wall[`${name}Caption`]).attribute(value, 'title', wall[`${name}Help`]);
  }

  const list = struct(call('list_texts'));
  for (const [id, name] of [['listTitle', 'title'], ['lblList', 'paste'], ['cmdSizeList', 'sizeList'],
    ['lblFileList', 'openFile'], ['lblListDecimalComma', 'decimalComma'], ['lblListDelimiter', 'delimiter'],
    ['cmdListCancel', 'cancel'], ['cmdListCopy', 'copy'], ['cmdListDownload', 'download']]) {
    html.text(id, list[name]);
  }
  html.options('cmbListDelimiter', items(list.delimiters));
  return html.html;
}
