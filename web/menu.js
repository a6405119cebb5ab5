// The window's own menu, on the form's background, captions and button (the
// boxes and lists keep the browser's): Copy calculation record. Paper
// carries the same record.
'use strict';

(async () => {
  const $ = (id) => document.getElementById(id);
  const page = await brenmorEngine.startFor();
  if (!page) return;
  const form = brenmorEngine.formOf(page.call);
  const menu = $('mnuBackground');

  function showMenu(x, y) {
    menu.hidden = false;
    menu.style.left = `${x}px`;
    menu.style.top = `${y}px`;
    $('mnuCopyRecord').focus();
  }
  function hideMenu() {
    menu.hidden = true;
  }

  // A record the engine could not make, or a clipboard the browser refuses
  // to a page: the form says so, as the window does, and copies nothing.
  async function mnuCopyRecord_Click() {
    hideMenu();
    try {
      if (!navigator.clipboard) throw new Error('no clipboard');
      await navigator.clipboard.writeText(form.record());
    } catch {
      document.dispatchEvent(new Event('brenmor-copy-failed'));
    }
  }

  $('frmBrenmor').addEventListener('contextmenu', (event) => {
    if (event.target.closest('input, select')) return;
    event.preventDefault();
    const from = event.target.getBoundingClientRect();
    showMenu(event.clientX || from.left, event.clientY || from.bottom);
  });
  document.addEventListener('keydown', (event) => event.key === 'Escape' && hideMenu());
  $('mnuCopyRecord').addEventListener('click', mnuCopyRecord_Click);
  menu.addEventListener('focusout', (event) => menu.contains(event.relatedTarget) || hideMenu());
  addEventListener('beforeprint', () => {
    try {
      $('record').textContent = form.record();
    } catch (error) {
      $('record').textContent = error.message;
    }
  });
})();
