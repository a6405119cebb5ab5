// The window's own menu, on the form's background, captions and button (the
// boxes and lists keep the browser's): Copy calculation record. Paper
// carries the same record.
'use strict';

(async () => {
  const $ = (id) => document.getElementById(id);
  const page = await brenmorEngine.startFor();
  if (!page) return;
  const { call } = page;
  const menu = $('mnuBackground');
  // The record of the committed design, its wall as the panel chooses.
  const record = () => call('record', ['number', 'number'], brenmorEngine.wallChoice());

  function showMenu(x, y) {
    menu.hidden = false;
    menu.style.left = `${x}px`;
    menu.style.top = `${y}px`;
    $('mnuCopyRecord').focus();
  }
  function hideMenu() {
    menu.hidden = true;
  }

  // A browser may refuse the clipboard to a page: the form says so, as the
  // window does.
  function mnuCopyRecord_Click() {
    hideMenu();
    const written = navigator.clipboard?.writeText(record());
    (written ?? Promise.reject(new Error('no clipboard'))).catch(() => {
      document.dispatchEvent(new Event('brenmor-copy-failed'));
    });
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
    $('record').textContent = record();
  });
})();
