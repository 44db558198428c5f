// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Big phone photos come into the page's core without running out of its
// memory: a 48-megapixel JPEG and a 12-megapixel HEIC, made at test time;
// and a picture past the 120-megapixel limit is refused from its header.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import { loadCore } from './corenode.mjs';

let core;
let folder;

before(async () => {
  core = await loadCore();
  folder = mkdtempSync(join(tmpdir(), 'valbum-big-'));
});
after(() => rmSync(folder, { recursive: true, force: true }));

// A photo-like picture: a gradient with noise, so the encoders do real work.
function make(width, height, name, encode) {
  const png = join(folder, `${name}.png`);
  execFileSync('convert', ['-size', `${width}x${height}`, 'gradient:#2050a0-#f0c070', '-attenuate', '0.4',
    '+noise', 'Uniform', png]);
  const out = join(folder, name);
  encode(png, out);
  return readFileSync(out);
}

test('a 48-megapixel JPEG and a 12-megapixel HEIC come in, plain and smoothed', () => {
  const jpeg = make(8000, 6000, 'big.jpg', (png, out) => execFileSync('convert', [png, '-quality', '85', out]));
  const heic = make(4000, 3000, 'big.heic', (png, out) => execFileSync('heif-enc', ['-q', '60', png, '-o', out]));
  for (const [name, file, width, height] of [['JPEG', jpeg, 8000, 6000], ['HEIC', heic, 4000, 3000]]) {
    for (const choices of ['', 'smooth=1 fit=crop']) {
      const read = core.readPicture(file, choices);
      assert.ok(read.status > 0, `${name} ${choices}: ${JSON.stringify(read.json)}`);
      // Smoothing lets the JPEG decoder shrink the picture as it decodes it.
      const reduced = name === 'JPEG' && choices !== '';
      assert.equal(read.json.width, reduced ? width / 8 : width, name);
      assert.equal(read.json.height, reduced ? height / 8 : height, name);
      const record = core.record(read.status, choices);
      assert.equal(record.status, 0, name);
      core.release(read.status);
    }
  }
});

test('a JPEG whose header says more than 120 megapixels is refused before it is decoded', () => {
  const file = Buffer.from(make(64, 48, 'small.jpg', (png, out) => execFileSync('convert', [png, out])));
  // The baseline frame header (SOF0): marker, length, precision, then height and width.
  const frame = file.indexOf(Buffer.from([0xff, 0xc0]));
  assert.ok(frame > 0);
  file.writeUInt16BE(11000, frame + 5);
  file.writeUInt16BE(11000, frame + 7);
  const read = core.readPicture(file, '');
  assert.equal(read.status, 0);
  assert.equal(read.json.problem.kind, 'TooLarge');
  assert.equal(read.json.problem.width, 11000);
});
