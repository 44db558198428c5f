// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Node build of the picture core (build-web/node/valbum-core-node.js, or
// $VALBUM_CORE_NODE) behind small functions over Uint8Arrays, as the page's
// worker calls it: bytes copied in with HEAPU8.set, results copied out with
// HEAPU8.slice, never a view kept across a call (memory growth replaces it).
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

export const repositoryRoot = fileURLToPath(new URL('../../../', import.meta.url));

export async function loadCore() {
  const path = process.env.VALBUM_CORE_NODE ?? `${repositoryRoot}build-web/node/valbum-core-node.js`;
  const createValbumCore = createRequire(import.meta.url)(path);
  const module = await createValbumCore();
  if (module._vw_init() !== 0) throw new Error('the compression library does not initialise');
  return new Core(module);
}

class Core {
  constructor(module) {
    this.m = module;
  }

  // Runs call(pointer, length) with `bytes` copied into the module's memory.
  withBytes(bytes, call) {
    const pointer = this.m._malloc(Math.max(bytes.length, 1));
    this.m.HEAPU8.set(bytes, pointer);
    try {
      return call(pointer, bytes.length);
    } finally {
      this.m._free(pointer);
    }
  }

  withText(text, call) {
    const size = this.m.lengthBytesUTF8(text) + 1;
    const pointer = this.m._malloc(size);
    this.m.stringToUTF8(text, pointer, size);
    try {
      return call(pointer);
    } finally {
      this.m._free(pointer);
    }
  }

  // The last call's status with its bytes and JSON.
  result(status) {
    const data = this.m._vw_out_data();
    return {
      status,
      data: this.m.HEAPU8.slice(data, data + this.m._vw_out_size()),
      json: JSON.parse(this.m.UTF8ToString(this.m._vw_out_json())),
    };
  }

  readPicture(file, choices = '') {
    return this.withText(choices, (text) =>
      this.result(this.withBytes(file, (pointer, size) => this.m._vw_picture_read(pointer, size, text))));
  }

  // A picture from 0xAARRGGBB words (a Uint32Array).
  pictureFromArgb(words, width, height, hasAlpha) {
    const bytes = new Uint8Array(words.buffer, words.byteOffset, words.byteLength);
    return this.withBytes(bytes, (pointer) => this.m._vw_picture_from_argb(pointer, width, height, hasAlpha ? 1 : 0));
  }

  // The kept picture as RGBA, shrunk only when larger than maxSide.
  view(handle, maxSide = 1 << 30) {
    return this.result(this.m._vw_picture_view(handle, 0, maxSide));
  }

  release(handle) {
    this.m._vw_picture_release(handle);
  }

  // The picture converted as the page's worker brings it in: the device's
  // view and the record's payload, from one call.
  convert(handle, choices) {
    const converted = this.withText(choices, (text) => this.result(this.m._vw_picture_convert(handle, text)));
    const { viewLength = 0, payloadLength = 0 } = converted.json;
    return {
      ...converted,
      view: converted.data.subarray(0, viewLength),
      payload: converted.data.subarray(viewLength, viewLength + payloadLength),
    };
  }

  // The picture's record as valbum create writes it: status 0 and its
  // payload as data, or -1 when it does not compress.
  record(handle, choices) {
    const converted = this.convert(handle, choices);
    if (converted.status !== 0) return converted;
    return { status: converted.json.compressible ? 0 : -1, data: converted.payload, json: converted.json };
  }

  bestFit(handle, choices) {
    return this.withText(choices, (text) => this.result(this.m._vw_picture_best_fit(handle, text)));
  }

  readAlbum(album) {
    return this.result(this.withBytes(album, (pointer, size) => this.m._vw_album_read(pointer, size)));
  }

  recompress(payload) {
    return this.result(this.withBytes(payload, (pointer, size) => this.m._vw_record_recompress(pointer, size)));
  }

  writeAlbum(list, password = '') {
    return this.withText(password, (text) =>
      this.result(this.withBytes(list, (pointer, size) => this.m._vw_album_write(pointer, size, text))));
  }

  // One image's entry of the list vw_album_write() takes: its record as
  // vw_picture_convert() made it, or best fit's renderings.
  fixedEntry(payload) {
    const entry = new Uint8Array(5 + payload.length);
    entry[0] = 0;
    new DataView(entry.buffer).setUint32(1, payload.length, true);
    entry.set(payload, 5);
    return entry;
  }

  bestFitEntry({ data, json }) {
    const parts = [Uint8Array.of(1, json.renderings.length)];
    for (const rendering of json.renderings) {
      const head = new Uint8Array(13);
      const view = new DataView(head.buffer);
      head[0] = rendering.ok ? 1 : 0;
      view.setFloat64(1, rendering.look, true);
      view.setUint32(9, rendering.length, true);
      parts.push(head, data.subarray(rendering.offset, rendering.offset + rendering.length));
    }
    return concat(parts);
  }

  // The album of pictures each given as { handle, choices, bestFit }.
  albumOf(pictures, password = '') {
    const entries = pictures.map(({ handle, choices, bestFit }) => {
      if (bestFit) return this.bestFitEntry(this.bestFit(handle, choices));
      const record = this.record(handle, choices);
      if (record.status !== 0) throw new Error(`no record: ${JSON.stringify(record.json)}`);
      return this.fixedEntry(record.data);
    });
    return this.writeAlbum(concat(entries), password);
  }
}

export function concat(parts) {
  const whole = new Uint8Array(parts.reduce((size, part) => size + part.length, 0));
  let offset = 0;
  for (const part of parts) {
    whole.set(part, offset);
    offset += part.length;
  }
  return whole;
}
