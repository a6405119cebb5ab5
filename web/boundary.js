// The engine as the page's scripts see it: started once from the bytes the
// page carries, its C API called by name, and its answers read as structs
// whose fields are checked by name. The list's worker runs this too.
'use strict';

// eslint-disable-next-line no-unused-vars
const brenmorEngine = (() => {
  // For browsers older than Uint8Array.fromBase64.
  const fromBase64 = (text) => {
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
  };

  // The engine escapes the separators below in every text it gives
  // (bindings.cpp): each is undone once, where its level is split.
  const unescaped = (text) => {
    const [first, ...escapes] = text.split('\x1B');
    return first + escapes.map((rest) => String.fromCharCode(rest.charCodeAt(0) - 0x40) + rest.slice(1))
      .join('');
  };

  // A struct whose fields are read by name: a name the engine did not give
  // is a mistake of the page, so it throws rather than reading undefined.
  const struct = (text) => {
    const fields = Object.fromEntries(text.split('\x1E').filter(Boolean)
      .map((pair) => pair.split('\x1F')).map(([name, value]) => [name, unescaped(value)]));
    if (Object.hasOwn(fields, 'error')) throw new Error(`the engine refused a call: ${fields.error}`);
    return new Proxy(fields, {
      get(target, name) {
        if (typeof name === 'string' && !Object.hasOwn(target, name)) {
          throw new Error(`the engine gave no field "${name}"`);
        }
        return target[name];
      },
    });
  };
  // A list's items; a table's rows, each a list of cells.
  const items = (text) => text.split('\x1C').slice(0, -1).map(unescaped);
  const rows = (text) => text.split('\x1D').slice(0, -1).map(items);

  // The engine on this thread, with the C API's calls, each answering text.
  async function create(wasm) {
    const engine = await createEngine({ wasmBinary: wasm });
    const call = (name, types = [], args = []) =>
      engine.ccall(`brenmor_${name}`, 'string', types, args);
    return { engine, wasm, call };
  }

  // The page's engine, started on the first call, from the bytes the page
  // carries; an old browser, or one with WebAssembly turned off, rejects.
  let started;
  const start = () => {
    started ??= (async () => {
      const text = document.getElementById('engineWasm').textContent;
      return create(Uint8Array.fromBase64?.(text) ?? fromBase64(text));
    })();
    return started;
  };
  // The engine for a part of the page, or null once that part is hidden:
  // where the engine cannot start, the form says why in its place.
  const startFor = async (...ids) => {
    try {
      return await start();
    } catch {
      for (const id of ids) document.getElementById(id).hidden = true;
      return null;
    }
  };

  // The form's model: each event answered with the view to draw.
  const formOf = (call) => ({
    view: () => struct(call('view')),
    results: () => struct(call('results')),
    textEdited: (field, text) => struct(call('text_edited', ['number', 'string'], [field, text])),
    unitPicked: (field, unit, listHadFocus) =>
      struct(call('unit_picked', ['number', 'number', 'number'], [field, unit, listHadFocus])),
    focusLeftE: (forAnotherControl) => struct(call('focus_left_e', ['number'], [forAnotherControl])),
    calculate: () => struct(call('calculate')),
    messageClosed: () => struct(call('message_closed')),
    copyFailed: () => struct(call('copy_failed')),
    optionPicked: (option, position) =>
      struct(call('option_picked', ['number', 'number'], [option, position])),
    costIndexEntered: (text) => struct(call('cost_index_entered', ['string'], [text])),
    options: () => struct(call('options')),
    record: () => struct(call('record')).record,
  });

  return { start, startFor, create, struct, items, rows, formOf };
})();
