// The form, a view of the engine's form model: each control event the window
// serves, and each choice of the panel beside it, goes to the model, and the
// page draws the view that comes back. Every rule, number and text is the
// engine's; this keeps only what the browser alone can do (the controls, the
// focus, the dialog, the clipboard), and writes text, never HTML.
'use strict';

(async () => {
  const $ = (id) => document.getElementById(id);
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
  const form = brenmorEngine.formOf(call);
  // The value boxes, by the engine's field numbers, with their unit lists.
  const valueRows = ['P', 'C', 'S', 'E', 'V'].map((letter, field) => ({
    field, letter, box: $(`txt${letter}`), list: $(`cmb${letter}U`),
  }));
  // The panel's choices, by the engine's option numbers.
  const choices = ['cmbHead', 'cmbPlateStep', 'cmbOrientation']
    .map((id, option) => ({ option, list: $(id) }));
  const cmdCalc = $('cmdCalc');
  const dialog = $('dlgMessage');

  // The texts stand in the page already, written by the engine when the
  // page was built; the boxes show the model's values.
  function Form_Load() {
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
    $('txtF').value = view.fText;
    $('txtD').value = view.dText;
    $('txtL').value = view.lText;
    // The chart and the panel beside the form (results.js).
    if (view.results) document.dispatchEvent(new CustomEvent('brenmor-results', { detail: view }));
    else $('txtCostIndex').value = view.costIndex;
    if (view.message) return showMessage(view.message);
    if (view.focus) $(view.focus).focus();
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
  // A list sized in the page follows the panel's choices (list.js).
  const optionsChanged = () => document.dispatchEvent(new Event('brenmor-options'));
  for (const { option, list } of choices) {
    list.addEventListener('change', () => {
      render(form.optionPicked(option, list.selectedIndex));
      optionsChanged();
    });
  }
  $('txtCostIndex').addEventListener('change', () => {
    render(form.costIndexEntered($('txtCostIndex').value));
    optionsChanged();
  });
  // Switching to another window is no move away from the box.
  $('txtE').addEventListener('blur', () => render(form.focusLeftE(document.hasFocus())));
  cmdCalc.addEventListener('click', () => render(form.calculate()));
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
