// The list section's handlers: each hands the list and the options chosen to
// a worker that sizes it with the engine, and shows what comes back. The
// worker starts on first use, so that opening the page costs nothing more;
// the output is kept as the worker's chunks, outside the script's heap.
'use strict';

(async () => {
  const $ = (id) => document.getElementById(id);
  const { struct, rows } = brenmorEngine;
  const page = await brenmorEngine.startFor('list');
  if (!page) return;
  // After the first Calculate is possible.
  await new Promise((resolve) => { setTimeout(resolve); });
  const texts = struct(page.call('list_texts'));

  // The worker's script: the engine's, the boundary's and its own, which
  // the page carries as text.
  let workerUrl;
  const startWorker = () => {
    workerUrl ??= URL.createObjectURL(new Blob(
      ['engineJs', 'boundaryJs', 'listWorker'].map((id) => `${$(id).textContent}\n`),
      { type: 'text/javascript' }));
    return new Worker(workerUrl);
  };

  let worker = null;  // while a list is being sized
  let source = null;  // the last list: { file } or { text }
  let sized = null;  // its output: { csv, tsv, name }, once whole
  let stopped = '';  // what to say if it is stopped now
  let columns = [];  // what each column holds: line, carried, figure, status, message

  function show(id, text) {
    $(id).textContent = text;
  }

  // The list's own cells and the messages give way to the figures
  // (brenmor.css); each keeps its whole text as its title.
  function row(cells, tag) {
    const tr = document.createElement('tr');
    tr.append(...cells.map((cell, i) => {
      const td = document.createElement(tag);
      td.textContent = cell;
      td.className = columns[i];
      if (columns[i] === 'carried' || columns[i] === 'message') td.title = cell;
      return td;
    }));
    return tr;
  }

  function running(on, state = on ? 'running' : 'done') {
    $('list').dataset.state = state;
    $('cmdListCancel').disabled = !on;
    $('cmdListCopy').disabled = on || !sized;
    $('cmdListDownload').disabled = on || !sized;
  }

  function sizeList(list) {
    worker?.terminate();
    source = list;
    sized = null;
    for (const id of ['lblListSummary', 'lblListColumns', 'lblListMessage', 'lblListHint',
      'lblListLeftOut', 'capList']) show(id, '');
    $('tblList').tHead.replaceChildren();
    $('tblList').tBodies[0].replaceChildren();
    const text = list.text === undefined ? null : list.text;
    $('prgList').max = Math.max(1, list.file?.size ?? new Blob([text]).size);
    $('prgList').value = 0;
    const chunks = { csv: [], tsv: [] };
    worker = startWorker();
    worker.onmessage = ({ data }) => {
      if (data.failure) finish(data.failure);
      else if (data.open) opened(struct(data.open));
      else batch(data, chunks);
    };
    worker.onerror = (event) => {
      event.preventDefault();
      finish(event.message);
    };
    // The panel's choices are the form model's, as the rows' are.
    const chosen = brenmorEngine.formOf(page.call).options();
    const options = [$('cmbListDelimiter').selectedIndex, $('chkListDecimalComma').checked,
      // Cells copied from a spreadsheet paste with tabs between them.
      text?.includes('\t') ?? false, chosen.head, chosen.plateStep, chosen.orientation,
      chosen.costIndex];
    worker.postMessage({ wasm: page.wasm, file: list.file, text, options: options.map(Number) });
    running(true);
  }

  function opened(open) {
    if (open.problem) return finish(open.problem);
    show('lblListColumns', open.taken);
    show('capList', texts.results);
    columns = brenmorEngine.items(open.columns);
    const head = row(rows(open.header)[0], 'th');
    rows(open.titles)[0].forEach((title, i) => { head.cells[i].title = title; });
    $('tblList').tHead.append(head);
    stopped = open.stopped;
    sized = { name: open.sizedName };
  }

  function batch(data, chunks) {
    const next = struct(data.next);
    // Blobs keep the output outside the script's heap.
    chunks.csv.push(new Blob([data.csv]));
    chunks.tsv.push(new Blob([data.tsv]));
    $('prgList').value = Number(next.bytesRead);
    $('tblList').tBodies[0].append(...rows(next.shown).map((cells) => row(cells, 'td')));
    show('lblListSummary', next.summary);
    show('lblListLeftOut', next.leftOut);
    show('lblListHint', next.hint);
    stopped = next.stopped;
    if (next.more) return;
    if (next.failure) return finish(next.failure);
    sized.csv = new Blob(chunks.csv, { type: 'text/csv' });
    sized.tsv = new Blob(chunks.tsv);
    finish('');
  }

  function stop(state) {
    worker?.terminate();
    worker = null;
    running(false, state);
  }

  function finish(problem) {
    if (problem) sized = null;
    show('lblListMessage', problem);
    $('prgList').value = $('prgList').max;
    stop();
  }

  // What was done so far is said, but not offered as the list sized.
  function cancel() {
    sized = null;
    show('lblListSummary', stopped);
    stop('stopped');
  }

  async function copy() {
    try {
      await navigator.clipboard.writeText(await sized.tsv.text());
    } catch {
      show('lblListMessage', texts.copyFailed);
    }
  }

  function download() {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(sized.csv);
    link.download = sized.name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60_000);
  }

  $('cmdSizeList').addEventListener('click', () => sizeList({ text: $('txtList').value }));
  // Cells from a spreadsheet, which paste with tabs between them, are sized
  // as they land; text pasted by hand waits for Size list, as typing does.
  // Too many cells to lay out in the box are sized without it.
  $('txtList').addEventListener('paste', (event) => {
    const pasted = event.clipboardData?.getData('text/plain') ?? '';
    if (pasted.length > Number(texts.largestPasteShown)) {
      event.preventDefault();
      $('txtList').value = '';
      $('txtList').placeholder = texts.pastedNotShown;
      return sizeList({ text: pasted });
    }
    $('txtList').placeholder = '';
    setTimeout(() => {
      const text = $('txtList').value;
      if (text.includes('\t')) sizeList({ text });
    });
  });
  $('fileList').addEventListener('change', () => {
    const [file] = $('fileList').files;
    if (file) sizeList({ file });
  });
  const section = $('list');
  section.addEventListener('dragover', (event) => {
    event.preventDefault();
    section.classList.add('dropping');
  });
  section.addEventListener('dragleave', () => section.classList.remove('dropping'));
  section.addEventListener('drop', (event) => {
    event.preventDefault();
    section.classList.remove('dropping');
    const [file] = event.dataTransfer.files;
    if (file) sizeList({ file });
  });
  // A list sized is sized again with the options changed.
  for (const id of ['chkListDecimalComma', 'cmbListDelimiter']) {
    $(id).addEventListener('change', () => source && sizeList(source));
  }
  // The panel's choices reach the form's model first (handlers.js).
  document.addEventListener('brenmor-options', () => source && sizeList(source));
  $('cmdListCancel').addEventListener('click', cancel);
  $('cmdListCopy').addEventListener('click', copy);
  $('cmdListDownload').addEventListener('click', download);
  document.body.dataset.listReady = 'true';
})();
