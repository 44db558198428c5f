// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving bytes across the WebAssembly core's edge. The core's memory may grow
// during any call, which replaces core.HEAPU8: every helper takes the view
// afresh, and no caller keeps one across a call.

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// A block of the core's memory holding `bytes`, freed by the caller's
// `using`-style pairing: withBytes() below frees it whatever happens.
function copyIn(core, bytes) {
  const pointer = core._malloc(Math.max(1, bytes.length));
  if (!pointer) throw new Error('out of memory');
  core.HEAPU8.set(bytes, pointer);
  return pointer;
}

// Runs `use(pointer, length)` with `bytes` in the core's memory, then frees them.
export function withBytes(core, bytes, use) {
  const pointer = copyIn(core, bytes);
  try {
    return use(pointer, bytes.length);
  } finally {
    core._free(pointer);
  }
}

// Runs `use(pointer)` with `text` as a NUL-terminated string in the core's memory.
export function withText(core, text, use) {
  const encoded = encoder.encode(text);
  const bytes = new Uint8Array(encoded.length + 1);
  bytes.set(encoded);
  return withBytes(core, bytes, (pointer) => use(pointer));
}

// The last call's out bytes, copied out of the core's memory.
export function outBytes(core) {
  const pointer = core._vw_out_data();
  const size = core._vw_out_size();
  return core.HEAPU8.slice(pointer, pointer + size);
}

// The last call's JSON, parsed; an empty object when there is none.
export function outJson(core) {
  const pointer = core._vw_out_json();
  if (!pointer) return {};
  const heap = core.HEAPU8;
  let end = pointer;
  while (heap[end] !== 0) ++end;
  const text = decoder.decode(heap.subarray(pointer, end));
  return text ? JSON.parse(text) : {};
}
