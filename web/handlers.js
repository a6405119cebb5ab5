// The form, a view of the engine's form model: each control event the window
// serves goes to the model, and the page draws the view that comes back.
// Every rule, number and text is the engine's; this keeps only what the
// browser alone can do (the controls, the focus, the dialog, the clipboard),
// and writes text, never HTML.
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
  // The form's model answers each event with the view to draw.
  const form = {
    view: () => struct(call('view')),
    textEdited: (field, text) => struct(call('text_edited', ['number', 'string'], [field, text])),
    unitPicked: (field, unit, listHadFocus) =>
      struct(call('unit_picked', ['number', 'number', 'number'], [field, unit, listHadFocus])),
    focusLeftE: (forAnotherControl) => struct(call('focus_left_e', ['number'], [forAnotherControl])),
    calculate: () => struct(call('calculate')),
    messageClosed: () => struct(call('message_closed')),
    copyFailed: () => struct(call('copy_failed')),
  };
  const [texts, ...captions] = call('form').split('\x1D').filter(Boolean).map(struct);
  const fields = captions.slice(0, 5);  // P, C, S, E, V
  const results = captions.slice(5);  // F, D, L

  // The value boxes, by the engine's field numbers, with their unit lists.
  const valueRows = fields.map(({ letter }, field) => ({
    field, letter, box: $(`txt${letter}`), list: $(`cmb${letter}U`),
  }));
  const captionOf = { P: 'Label1', C: 'Label2', S: 'Label4', E: 'Label3', V: 'Label6' };
  const outputs = [
    { box: $('txtF'), caption: $('Label5') },
    { box: $('txtD'), caption: $('Label7') },
    { box: $('txtL'), caption: $('Label8') },
  ];
  const cmdCalc = $('cmdCalc');
  const dialog = $('dlgMessage');

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
    for (const { field, letter, box, list } of valueRows) {
      describe(box, $(captionOf[letter]), fields[field]);
      if (!list) continue;
      list.setAttribute('aria-label', fields[field].unitsName);
      const placeholder = new Option(texts.selectUnits, '');
      placeholder.disabled = true;
      list.replaceChildren(placeholder, ...items(fields[field].units).map((unit) => new Option(unit)));
    }
    outputs.forEach((output, i) => describe(output.box, output.caption, results[i]));
    setMnemonicText(cmdCalc, texts.calculate);
    $('Label9').textContent = texts.revision;
    $('Label10').textContent = texts.date;
    $('Image1').setAttribute('aria-label', texts.logo);
    $('Line1').setAttribute('aria-label', texts.separator);
    $('mnuCopyRecord').textContent = texts.copyRecord;
    render(form.view());
  }

  // Draws the model's view: the boxes and lists, the results, then the
  // message, then the focus. A box's text is set only when it differs, so
  // the caret stays where the user typed.
  function render(view) {
    for (const { letter, box, list } of valueRows) {
      if (box.value !== view[`${letter}text`]) box.value = view[`${letter}text`];
      box.classList.toggle('edited', Boolean(view[`${letter}edited`]));
      if (!list) continue;
      list.hidden = !view[`${letter}listShown`];
      list.selectedIndex = Number(view[`${letter}unit`]) + 1;
    }
    outputs[0].box.value = view.fText;
    outputs[1].box.value = view.dText;
    outputs[2].box.value = view.lText;
    if (view.message) return showMessage(view.message);
    if (view.focus) $(view.focus).focus();
  }

  // The chart and the wall follow (results.js).
  function cmdCalc_Click() {
    render(form.calculate());
    document.dispatchEvent(new Event('brenmor-calculated'));
  }

  // The window's message box: modal, one OK button; once it is closed, the
  // model says what follows, the focus among it.
  function showMessage(text) {
    $('lblMessage').textContent = text;
    dialog.showModal();
  }
  dialog.addEventListener('close', () => render(form.messageClosed()));

  // The mnemonic takes the focus first, as a press does, so that a pending
  // E is checked; it clicks only if the button kept the focus.
  function pressCalculateWithFocus() {
    cmdCalc.focus();
    if (document.activeElement === cmdCalc) cmdCalc.click();
  }

  Form_Load();
  for (const { field, box, list } of valueRows) {
    box.addEventListener('input', () => render(form.textEdited(field, box.value)));
    list?.addEventListener('change', () => {
      if (list.selectedIndex > 0) {
        render(form.unitPicked(field, list.selectedIndex - 1, document.activeElement === list));
      }
    });
  }
  // Switching to another window is no move away from the box.
  $('txtE').addEventListener('blur', () => render(form.focusLeftE(document.hasFocus())));
  cmdCalc.addEventListener('click', cmdCalc_Click);
  // The background menu (menu.js) could not copy the record.
  document.addEventListener('brenmor-copy-failed', () => render(form.copyFailed()));
  document.addEventListener('keydown', (event) => {
    if (event.altKey && !event.ctrlKey && event.code === 'KeyC') {
      event.preventDefault();
      pressCalculateWithFocus();
    }
  });
  $('frmBrenmor').removeAttribute('aria-busy');
  document.body.dataset.ready = 'true';
})();
