// The page's handlers, one for each control event the window serves: each
// reads its controls, calls one operation of the engine and writes what
// comes back. Every rule, number and text is the engine's; this only moves
// them between the engine and the page, and always as text, never as HTML.
'use strict';

(async () => {
  const $ = (id) => document.getElementById(id);
  const { struct, items } = brenmorEngine;
  // An old browser, or one with WebAssembly turned off, cannot run the
  // engine: say so where the form would be, rather than stay busy.
  let call;
  try {
    ({ call } = await brenmorEngine.start());
  } catch {
    const form = $('frmBrenmor');
    form.replaceChildren($('lblNoEngine'));
    $('lblNoEngine').hidden = false;
    form.removeAttribute('aria-busy');
    document.body.dataset.ready = 'no-engine';
    return;
  }
  const design = {
    commitWithUnit: (field, unit, text) =>
      struct(call('commit_with_unit', ['number', 'number', 'string'], [field, unit, text])),
    commitE: (text) => struct(call('commit_e', ['string'], [text])),
    calculate: () => struct(call('calculate')),
    record: (head, step) => call('record', ['number', 'number'], [head, step]),
    chart: () => call('chart', ['number', 'number'], [480, 360]),
    wallTexts: () => struct(call('wall_texts')),
    wall: (head, step) =>
      struct(call('wall', ['number', 'number', 'number', 'number'], [head, step, 300, 220])),
  };
  const [texts, ...form] = call('form').split('\x1D').filter(Boolean).map(struct);
  const fields = form.slice(0, 5);  // P, C, S, E, V
  const results = form.slice(5);  // F, D, L

  const P = 0;
  const C = 1;
  const S = 2;
  const E = 3;
  const V = 4;
  // The value boxes with a unit list, as a control array.
  const unitRows = [
    { field: P, box: $('txtP'), list: $('cmbPU'), caption: $('Label1') },
    { field: C, box: $('txtC'), list: $('cmbCU'), caption: $('Label2') },
    { field: S, box: $('txtS'), list: $('cmbSU'), caption: $('Label4') },
    { field: V, box: $('txtV'), list: $('cmbVU'), caption: $('Label6') },
  ];
  const txtE = $('txtE');
  const outputs = [
    { box: $('txtF'), caption: $('Label5') },
    { box: $('txtD'), caption: $('Label7') },
    { box: $('txtL'), caption: $('Label8') },
  ];
  const cmdCalc = $('cmdCalc');
  const dialog = $('dlgMessage');
  const menu = $('mnuBackground');
  // The form's controls stand in the window's tab order.
  const tabOrder = () =>
    Array.from($('frmBrenmor').querySelectorAll('input, select, button'))
      .filter((control) => !control.hidden);

  // A caption with its mnemonic: "&Calculate" shows C underlined.
  function setMnemonicText(element, text) {
    const at = text.indexOf('&');
    element.replaceChildren();
    if (at < 0) return element.append(text);
    const key = document.createElement('u');
    key.textContent = text[at + 1];
    element.append(text.slice(0, at), key, text.slice(at + 2));
    element.setAttribute('aria-keyshortcuts', `Alt+${text[at + 1].toUpperCase()}`);
  }

  function describe(box, caption, field) {
    caption.textContent = field.caption;
    box.title = field.help;
  }

  function Form_Load() {
    document.title = texts.title;
    $('lblTitle').textContent = texts.title;
    for (const row of unitRows) {
      const field = fields[row.field];
      describe(row.box, row.caption, field);
      row.box.value = field.defaultText;
      row.list.setAttribute('aria-label', field.unitsName);
      const placeholder = new Option(texts.selectUnits, '');
      placeholder.disabled = true;
      row.list.replaceChildren(placeholder, ...items(field.units).map((unit) => new Option(unit)));
    }
    describe(txtE, $('Label3'), fields[E]);
    txtE.value = fields[E].defaultText;
    outputs.forEach((output, i) => describe(output.box, output.caption, results[i]));
    setMnemonicText(cmdCalc, texts.calculate);
    $('Label9').textContent = texts.revision;
    $('Label10').textContent = texts.date;
    $('Image1').setAttribute('aria-label', texts.logo);
    $('Line1').setAttribute('aria-label', texts.separator);
    $('mnuCopyRecord').textContent = texts.copyRecord;
  }

  // The wall panel's ids, in the engine's order of its results.
  const wallFigures = [
    ['t_shell_mm', 'capShell', 'tShell'],
    ['t_head_mm', 'capHead', 'tHead'],
    ['weight_empty_kg', 'capEmpty', 'weightEmpty'],
    ['weight_water_kg', 'capWater', 'weightWater'],
    ['least_weight_D_mm', 'capLeast', 'leastWeightD'],
  ];
  function loadWallPanel() {
    const wall = design.wallTexts();
    $('wallTitle').textContent = wall.title;
    $('lblHead').textContent = wall.headKind;
    $('lblPlateStep').textContent = wall.plateStep;
    $('cmbHead').replaceChildren(...items(wall.heads).map((head) => new Option(head)));
    $('cmbPlateStep').replaceChildren(...items(wall.steps).map((step) => new Option(step)));
    for (const [name, caption, value] of wallFigures) {
      $(caption).textContent = wall[`${name}Caption`];
      $(value).title = wall[`${name}Help`];
    }
  }

  const wallChoice = () => [$('cmbHead').selectedIndex, $('cmbPlateStep').selectedIndex];

  // The wall of the last Calculate, with the heads and plate step chosen.
  // The panel is filled on first use, so that it costs the first Calculate
  // nothing.
  function showWall() {
    if ($('cmbHead').options.length === 0) loadWallPanel();
    const wall = design.wall(...wallChoice());
    for (const [name, , value] of wallFigures) $(value).textContent = wall[name];
    $('leastWeightNote').textContent = wall.message ? '' : wall.note;
    $('wallMessage').textContent = wall.message;
    const svg = new DOMParser().parseFromString(wall.plot, 'image/svg+xml').documentElement;
    $('picWeight').replaceChildren(document.importNode(svg, true));
  }

  // An edited value is not committed yet: offer its units.
  function txtValue_Change(row) {
    row.list.hidden = false;
    row.list.selectedIndex = 0;
    row.box.classList.add('edited');
  }

  function txtE_Change() {
    txtE.classList.add('edited');
  }

  function cmbUnits_Click(row) {
    const unit = row.list.selectedIndex - 1;
    if (unit < 0) return;
    const commit = design.commitWithUnit(row.field, unit, row.box.value);
    if (!commit.accepted) {
      // Keep the typed text and the list, so the user can correct either.
      row.list.selectedIndex = 0;
      return showMessage(commit.message, row.list);
    }
    // Setting a box's text raises its Change when the text is new.
    if (row.box.value !== commit.writtenBack) {
      row.box.value = commit.writtenBack;
      txtValue_Change(row);
    }
    hideList(row.list);
    showFText(commit);
  }

  // A list that hides while it has the focus hands it on, as in the window.
  function hideList(control) {
    const hadFocus = document.activeElement === control;
    const order = tabOrder();
    control.hidden = true;
    if (!hadFocus) return;
    const next = order.slice(order.indexOf(control) + 1).find((c) => !c.hidden);
    (next ?? order[0]).focus();
  }

  function txtE_LostFocus() {
    const commit = design.commitE(txtE.value);
    if (!commit.accepted) {
      showMessage(commit.message, txtE, () => {
        txtE.value = '';
        txtE_Change();
      });
    }
    showFText(commit);
  }

  function cmdCalc_Click() {
    const calc = design.calculate();
    $('txtF').value = calc.fText;
    $('txtD').value = calc.dText;
    $('txtL').value = calc.lText;
    showChart();
    showWall();
    if (!calc.sized) showMessage(calc.message, cmdCalc);
  }

  // The engine's own drawing of the chart, numbers and words all its own.
  function showChart() {
    const svg = new DOMParser().parseFromString(design.chart(), 'image/svg+xml').documentElement;
    $('picChart').replaceChildren(document.importNode(svg, true));
  }

  // A browser may refuse the clipboard to a page: say so, as the window does.
  function mnuCopyRecord_Click() {
    hideMenu();
    const written = navigator.clipboard?.writeText(design.record(...wallChoice()));
    (written ?? Promise.reject(new Error('no clipboard'))).catch(() => {
      showMessage(texts.copyFailed, cmdCalc);
    });
  }

  function showFText(commit) {
    if (commit.fRefreshed) $('txtF').value = commit.fText;
  }

  // The window's message box: modal, one OK button, the focus given back
  // where the window gives it once it is closed.
  let afterMessage = null;
  function showMessage(text, returnTo, then) {
    $('lblMessage').textContent = text;
    afterMessage = () => {
      then?.();
      returnTo.focus();
    };
    dialog.showModal();
  }
  dialog.addEventListener('close', () => afterMessage?.());

  // The mnemonic takes the focus first, as a press does, so that a pending
  // E is checked; it clicks only if the button kept the focus.
  function pressCalculateWithFocus() {
    cmdCalc.focus();
    if (document.activeElement === cmdCalc) cmdCalc.click();
  }

  function showMenu(x, y) {
    menu.hidden = false;
    menu.style.left = `${x}px`;
    menu.style.top = `${y}px`;
    $('mnuCopyRecord').focus();
  }
  function hideMenu() {
    menu.hidden = true;
  }

  Form_Load();
  for (const row of unitRows) {
    row.box.addEventListener('input', () => txtValue_Change(row));
    row.list.addEventListener('change', () => cmbUnits_Click(row));
  }
  txtE.addEventListener('input', txtE_Change);
  // Switching to another window is no move away from the box.
  txtE.addEventListener('blur', () => document.hasFocus() && txtE_LostFocus());
  cmdCalc.addEventListener('click', cmdCalc_Click);
  // Paper carries the record of the committed design.
  addEventListener('beforeprint', () => {
    $('record').textContent = design.record(...wallChoice());
  });
  $('cmbHead').addEventListener('change', showWall);
  $('cmbPlateStep').addEventListener('change', showWall);
  document.addEventListener('keydown', (event) => {
    if (event.altKey && !event.ctrlKey && event.code === 'KeyC') {
      event.preventDefault();
      pressCalculateWithFocus();
    } else if (event.key === 'Escape') {
      hideMenu();
    }
  });
  // The window's own menu, on its background, captions and button; the
  // boxes and lists keep theirs.
  $('frmBrenmor').addEventListener('contextmenu', (event) => {
    if (event.target.closest('input, select')) return;
    event.preventDefault();
    const from = event.target.getBoundingClientRect();
    showMenu(event.clientX || from.left, event.clientY || from.bottom);
  });
  $('mnuCopyRecord').addEventListener('click', mnuCopyRecord_Click);
  menu.addEventListener('focusout', (event) => menu.contains(event.relatedTarget) || hideMenu());
  $('frmBrenmor').removeAttribute('aria-busy');
  document.body.dataset.ready = 'true';
  // After the first Calculate is possible.
  setTimeout(() => {
    showChart();
    showWall();
  });
})();
