// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The list of images vw_album_write takes: for each image a kind byte, then
// a fixed image's payload (u32 length first), or a best-fit image's
// renderings (u8 count, then for each u8 ok, f64 look, u32 length, payload);
// little-endian throughout.

export function encodeImageList(entries) {
  let size = 0;
  for (const entry of entries) {
    size += 1;
    if (entry.kind === 'fixed') size += 4 + entry.payload.length;
    else {
      size += 1;
      for (const rendering of entry.renderings) size += 1 + 8 + 4 + rendering.payload.length;
    }
  }
  const bytes = new Uint8Array(size);
  const view = new DataView(bytes.buffer);
  let at = 0;
  for (const entry of entries) {
    if (entry.kind === 'fixed') {
      view.setUint8(at, 0);
      view.setUint32(at + 1, entry.payload.length, true);
      bytes.set(entry.payload, at + 5);
      at += 5 + entry.payload.length;
      continue;
    }
    view.setUint8(at, 1);
    view.setUint8(at + 1, entry.renderings.length);
    at += 2;
    for (const rendering of entry.renderings) {
      view.setUint8(at, rendering.ok ? 1 : 0);
      view.setFloat64(at + 1, rendering.look, true);
      view.setUint32(at + 9, rendering.payload.length, true);
      bytes.set(rendering.payload, at + 13);
      at += 13 + rendering.payload.length;
    }
  }
  return bytes;
}
