// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's worker: the picture core in WebAssembly, running the page's jobs
// one at a time, off the page's thread. It keeps nothing of the album (the
// page holds the records, so a worker that has to be started again loses
// nothing) but the one picture the picture dialog previews. The page may run
// several, each bringing in pictures of its own (web/app/corepool.js).

import createCore from '../core/valbum-core.js';
import { withBytes, withText, outBytes, outJson } from './coreheap.js';
import { encodeImageList } from './imagelist.js';

const queue = [];
let core = null;
let pumping = false;
// The picture the dialog shows, kept so that a change of choices converts
// it again without reading the file again, and so that Open brings in the
// picture decoded for the preview.
let preview = null; // { key, handle, smooth, width, height }

function readPicture(file, choices) {
  const handle = withBytes(core, file, (pointer, length) =>
    withText(core, choices, (text) => core._vw_picture_read(pointer, length, text)));
  return { handle, info: outJson(core) };
}

function releasePreview() {
  if (preview) core._vw_picture_release(preview.handle);
  preview = null;
}

function smoothOf(choices) {
  return / smooth=1( |$)/.test(` ${choices}`);
}

// The album image of the picture with the choices, from one call: the
// device's view, the record's payload (null when it does not compress) and
// the record's size. Each in a buffer of its own, so that the view moves to
// the page and the payload can be sent on without the other.
function convert(handle, choices) {
  const status = withText(core, choices, (text) => core._vw_picture_convert(handle, text));
  if (status < 0) return { error: outJson(core).error ?? 'conversion failed' };
  const { recordSize, compressible, viewLength, payloadLength } = outJson(core);
  const pointer = core._vw_out_data();
  const heap = core.HEAPU8;
  const view = heap.slice(pointer, pointer + viewLength);
  const payload = compressible ? heap.slice(pointer + viewLength, pointer + viewLength + payloadLength) : null;
  return { view, payload, recordSize };
}

function pictureView(handle, turns, maxSide) {
  if (core._vw_picture_view(handle, turns, maxSide) < 0) return null;
  const json = outJson(core);
  const pixels = outBytes(core);
  return { width: json.width, height: json.height, pixels };
}

// Saved as the editor saves a loaded image: decoded and compressed again.
// null when it does not compress again; the album then cannot be saved with it.
function recompressedRecord(payload) {
  const status = withBytes(core, payload, (pointer, length) => core._vw_record_recompress(pointer, length));
  return status < 0 ? null : outBytes(core);
}

function recordView(payload) {
  const status = withBytes(core, payload, (pointer, length) => core._vw_record_view(pointer, length));
  return status < 0 ? null : outBytes(core);
}

// A picture as the album keeps it: one record, or best fit's renderings of it.
function albumEntry(handle, choices, bestFit) {
  if (!bestFit) {
    const converted = convert(handle, choices);
    if (converted.error) return { error: converted.error };
    return { kind: 'fixed', payload: converted.payload, views: [converted.view] };
  }
  const status = withText(core, choices, (text) => core._vw_picture_best_fit(handle, text));
  if (status < 0) return { error: outJson(core).error ?? 'best fit failed' };
  const all = outBytes(core);
  const { renderings } = outJson(core);
  const kept = renderings.map((rendering) => ({
    greys: rendering.greys,
    ok: rendering.ok,
    look: rendering.look,
    recordSize: rendering.recordSize,
    payload: all.slice(rendering.offset, rendering.offset + rendering.length),
  }));
  const views = kept.map((rendering) => (rendering.ok ? recordView(rendering.payload) : null));
  return { kind: 'bestfit', renderings: kept, views };
}

const jobs = {
  addPicture({ file, key, choices, bestFit }) {
    let handle;
    let info;
    if (preview && preview.key === key && preview.smooth === smoothOf(choices)) {
      ({ handle } = preview);
      info = { width: preview.width, height: preview.height, warnings: [] };
      preview = null;
    } else {
      ({ handle, info } = readPicture(new Uint8Array(file), choices));
    }
    if (handle <= 0) return { problem: info.problem ?? { kind: 'Unreadable', detail: info.error ?? '' } };
    try {
      const entry = albumEntry(handle, choices, bestFit);
      if (entry.error) return { problem: { kind: 'Unreadable', detail: entry.error } };
      return { entry, warnings: info.warnings ?? [] };
    } finally {
      core._vw_picture_release(handle);
    }
  },

  readAlbum({ file }) {
    const bytes = new Uint8Array(file);
    withBytes(core, bytes, (pointer, length) => core._vw_album_read(pointer, length));
    const read = outJson(core);
    if (read.outcome !== 'Read') return { outcome: read.outcome ?? 'NotAnAlbum' };
    const entries = [];
    let { stop } = read;
    for (const [offset, length] of read.records) {
      const payload = bytes.slice(offset, offset + length);
      const view = recordView(payload);
      if (!view) {
        stop = 'NotDecompressible';
        break;
      }
      entries.push({ kind: 'fixed', payload: recompressedRecord(payload), views: [view] });
    }
    return { outcome: 'Read', stop, password: read.password ?? '', entries };
  },

  layout({ entries, password }) {
    // An image that did not compress goes in with an empty payload: the core
    // decides, as the desktop does, whether the album fails on it or is full before it.
    const list = encodeImageList(entries.map((entry) =>
      (entry.kind === 'fixed' && !entry.payload ? { kind: 'fixed', payload: new Uint8Array(0) } : entry)));
    withBytes(core, list, (pointer, length) => withText(core, password, (text) => core._vw_album_write(pointer, length, text)));
    const result = outJson(core);
    if (result.error) throw new Error(result.error);
    const bytes = outBytes(core);
    return { ...result, size: result.ok ? bytes.length : 0, bytes: result.ok ? bytes : new Uint8Array(0) };
  },

  previewOpen({ file, key, choices }) {
    releasePreview();
    const { handle, info } = readPicture(new Uint8Array(file), choices);
    if (handle <= 0) return { problem: info.problem ?? { kind: 'Unreadable', detail: info.error ?? '' } };
    preview = { key, handle, smooth: smoothOf(choices), width: info.width, height: info.height };
    return { width: info.width, height: info.height };
  },

  previewRender({ key, turns, maxSide, choices, withPicture }) {
    if (!preview || preview.key !== key) return { gone: true };
    const picture = withPicture ? pictureView(preview.handle, turns, maxSide) : null;
    const converted = convert(preview.handle, choices);
    return { picture, device: converted.view ?? null, recordSize: converted.recordSize, error: converted.error };
  },

  previewClose() {
    releasePreview();
    return {};
  },
};

// Jobs whose answer only matters for the newest request of their kind.
const Supersedable = new Set(['layout', 'previewRender']);

function transferables(result) {
  const list = [];
  const visit = (value) => {
    if (value instanceof Uint8Array) list.push(value.buffer);
    else if (Array.isArray(value)) value.forEach(visit);
    else if (value && typeof value === 'object') Object.values(value).forEach(visit);
  };
  visit(result);
  return [...new Set(list)];
}

function runOne() {
  const job = queue.shift();
  if (Supersedable.has(job.type) && queue.some((later) => later.type === job.type)) {
    postMessage({ id: job.id, result: { superseded: true } });
    return;
  }
  try {
    const result = jobs[job.type](job.args ?? {});
    postMessage({ id: job.id, result }, transferables(result));
  } catch (error) {
    // An abort inside the core leaves it unusable: the page starts a new worker.
    const broken = error instanceof WebAssembly.RuntimeError || /abort/i.test(String(error?.message ?? error));
    postMessage({ id: job.id, error: String(error?.message ?? error), broken });
    if (broken) close();
  }
}

// One job per turn of the worker's loop, so that messages that came in
// meanwhile are seen first and a superseded job is skipped, not run. The turn
// is a message to the worker itself, not a timer: a timer set from a timer,
// after a few, waits at least 4 ms, as long as a small picture takes to come
// in.
const turns = new MessageChannel();
turns.port1.onmessage = () => {
  if (queue.length === 0) {
    pumping = false;
    return;
  }
  runOne();
  turns.port2.postMessage(null);
};

function pump() {
  if (!core || pumping) return;
  pumping = true;
  turns.port2.postMessage(null);
}

// The page's first message starts the core: with a module compiled already
// (by the page's first worker, so that the others start in milliseconds and
// share its faster code), or compiled here as it downloads, then handed to
// the page for the others. Compiled in a worker, never on the page's thread,
// where the browser's work on it (its code cache among it) would hold the
// page up.
const coreUrl = new URL('../core/valbum-core.wasm', import.meta.url).href;

async function compiledHere(imports) {
  try {
    return await WebAssembly.instantiateStreaming(fetch(coreUrl, { credentials: 'same-origin' }), imports);
  } catch {
    // A server that sends the core under another type: compiled from its bytes.
    return WebAssembly.instantiate(await (await fetch(coreUrl, { credentials: 'same-origin' })).arrayBuffer(), imports);
  }
}

function startCore(module) {
  const given = module instanceof WebAssembly.Module;
  const options = {
    instantiateWasm(imports, receive) {
      const made = given ? WebAssembly.instantiate(module, imports).then((instance) => ({ instance, module })) : compiledHere(imports);
      made.then(({ instance, module: compiled }) => {
        if (!given) postMessage({ compiled });
        receive(instance, compiled);
      }, (error) => postMessage({ ready: false, error: String(error?.message ?? error) }));
      return {};
    },
  };
  createCore(options)
    .then((loaded) => {
      if (loaded._vw_init() !== 0) throw new Error('the compressor did not start');
      core = loaded;
      postMessage({ ready: true });
      pump();
    })
    .catch((error) => postMessage({ ready: false, error: String(error?.message ?? error) }));
}

// Jobs that come before the core has started wait in the queue.
let started = false;
self.onmessage = (event) => {
  if (!started && event.data && 'module' in event.data) {
    started = true;
    startCore(event.data.module);
    return;
  }
  queue.push(event.data);
  pump();
};
