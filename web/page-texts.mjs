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

// The panel's figures, each a caption and the element that shows it.
function figureRows(figures) {
  return figures.filter((f) => f.inPanel).map((f) =>
    `<dt>${escape(f.caption)}</dt><dd id="${escape(f.pageId)}" title="${escape(f.help)}"></dd>`).join('');
}

export async function writeTexts(page, engineJs, engineWasm, boundaryJs) {
  const { call, struct, items } = await startEngine(engineJs, engineWasm, boundaryJs);
  const html = new Html(page);
  const [texts, ...rows] = call('form').split('\x1D').filter(Boolean).map(struct);
  const fields = rows.slice(0, 5);
  const figures = rows.slice(5);
  html.fill('pageTitle', escape(texts.title)).text('lblTitle', texts.title).text('lblTagline', texts.tagline);
  const captions = [['txtP', 'Label1'], ['txtC', 'Label2'], ['txtS', 'Label4'], ['txtE', 'Label3'], ['txtV', 'Label6']];
  captions.forEach(([box, label], i) => html.text(label, fields[i].caption).attribute(box, 'title', fields[i].help));
  for (const [label, id] of [['Label5', 'txtF'], ['Label7', 'txtD'], ['Label8', 'txtL']]) {
    const figure = figures.find((f) => f.pageId === id);
    html.text(label, figure.captionWithUnit).attribute(id, 'title', figure.help);
  }
  for (const field of fields) {
    if (!field.unitsName) continue;
    html.attribute(`cmb${field.letter}U`, 'aria-label', field.unitsName)
      .options(`cmb${field.letter}U`, items(field.units), texts.selectUnits);
  }
  mnemonic(html, 'cmdCalc', texts.calculate);
  html.text('Label9', texts.revision).text('Label10', texts.date).attribute('Image1', 'aria-label', texts.logo)
    .attribute('Line1', 'aria-label', texts.separator).text('mnuCopyRecord', texts.copyRecord);

  html.text('wallTitle', texts.wallTitle).text('lblHead', texts.headKind).text('lblPlateStep', texts.plateStep)
    .text('lblOrientation', texts.orientation).text('lblCostIndex', texts.costIndex)
    .attribute('txtCostIndex', 'title', texts.costIndexHelp)
    .options('cmbHead', items(texts.heads)).options('cmbPlateStep', items(texts.steps))
    .options('cmbOrientation', items(texts.orientations))
    .fill('wallFigures', figureRows(figures));

  const list = struct(call('list_texts'));
  for (const [id, name] of [['listTitle', 'title'], ['lblList', 'paste'], ['cmdSizeList', 'sizeList'],
    ['lblFileList', 'openFile'], ['lblListDecimalComma', 'decimalComma'], ['lblListDelimiter', 'delimiter'],
    ['cmdListCancel', 'cancel'], ['cmdListCopy', 'copy'], ['cmdListDownload', 'download']]) {
    html.text(id, list[name]);
  }
  html.options('cmbListDelimiter', items(list.delimiters));
  return html.html;
}
