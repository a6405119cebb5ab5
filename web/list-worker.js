// Sizes one list away from the page's thread, so that the form and the
// Cancel button answer while it runs: the engine reads the list a slice at
// a time, and each batch's output goes back to the page as it is written,
// so that neither the list nor its output is ever whole in memory here.
'use strict';

// A file is read a few MiB at a time, which the engine takes in the slices
// it asks for: each read of a file costs far more than its bytes.
const fileSlices = (file) => {
  const reader = new FileReaderSync();
  let chunk = new Uint8Array(0);
  let at = 0;  // in the file, where the chunk ends
  let taken = 0;  // of the chunk
  return (size) => {
    if (taken === chunk.length) {
      chunk = new Uint8Array(reader.readAsArrayBuffer(file.slice(at, at + 4 * 2 ** 20)));
      at += chunk.length;
      taken = 0;
    }
    const bytes = chunk.subarray(taken, taken + size);
    taken += bytes.length;
    return bytes;
  };
};

const textSlices = (text) => {
  const all = new TextEncoder().encode(text);
  let at = 0;
  return (size) => {
    const bytes = all.subarray(at, at + size);
    at += bytes.length;
    return bytes;
  };
};

onmessage = ({ data }) => {
  // Whatever goes wrong here, the page must hear of it rather than wait.
  sizeList(data).catch((error) => postMessage({ failure: String(error) }));
};

async function sizeList(data) {
  const { engine, call } = await brenmorEngine.create(data.wasm);
  const read = data.file ? fileSlices(data.file) : textSlices(data.text);
  // The engine reads until it has what it asked for or the list ends.
  engine.readList = (into, size) => {
    try {
      let count = 0;
      for (let bytes = read(size); bytes.length > 0; bytes = read(size - count)) {
        engine.HEAPU8.set(bytes, into + count);
        count += bytes.length;
        if (count === size) break;
      }
      return count;
    } catch {
      return -1;
    }
  };
  const open = call('list_open',
    ['number', 'number', 'number', 'number', 'number', 'number', 'number', 'string'],
    [...data.options, data.file?.name ?? '']);
  postMessage({ open });
  if (brenmorEngine.struct(open).problem) return;
  const bytes = (at, size) => engine.HEAPU8.slice(Number(at), Number(at) + Number(size));
  for (let more = true; more;) {
    const next = call('list_next');
    const batch = brenmorEngine.struct(next);
    const csv = bytes(batch.csvAt, batch.csvSize);
    const tsv = bytes(batch.tsvAt, batch.tsvSize);
    postMessage({ next, csv, tsv }, [csv.buffer, tsv.buffer]);
    more = batch.more;
  }
}
