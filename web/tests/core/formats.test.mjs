// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every format through the page's core gives the album the native
// `valbum create` writes of the same files with the same choices, byte for
// byte; and a damaged album stops where the native reader stops.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import { concat, loadCore } from './corenode.mjs';
import { makeTestPictures } from './testpictures.mjs';

const ChoiceSets = [
  { name: 'default', args: [], choices: '' },
  { name: 'smooth crop floyd-steinberg', args: ['--smooth', '--fit', 'crop', '--dither', 'floyd-steinberg'],
    choices: 'smooth=1 fit=crop greys=floyd-steinberg' },
  { name: 'best fit, smooth pad', args: ['--best-fit', '--smooth', '--fit', 'pad', '--gravity', 'south'],
    choices: 'smooth=1 fit=pad gravity=south', bestFit: true },
];

let core;
let pictures;
const valbum = process.env.VALBUM;

before(async () => {
  assert.ok(valbum, 'VALBUM names the native valbum');
  core = await loadCore();
  pictures = makeTestPictures();
});
after(() => pictures?.remove());

function nativeAlbum(files, args, name) {
  const out = join(pictures.folder, `${name}.valbum`);
  execFileSync(valbum, ['create', '--force', ...args, out, ...files], { stdio: ['ignore', 'ignore', 'pipe'] });
  return readFileSync(out);
}

function pageAlbum(files, set) {
  const handles = files.map((file) => {
    const read = core.readPicture(readFileSync(file), set.choices);
    assert.ok(read.status > 0, `${file}: ${JSON.stringify(read.json)}`);
    return read.status;
  });
  try {
    const written = core.albumOf(handles.map((handle) => ({ handle, choices: set.choices, bestFit: set.bestFit })));
    assert.equal(written.status, 0, JSON.stringify(written.json));
    return Buffer.from(written.data);
  } finally {
    handles.forEach((handle) => core.release(handle));
  }
}

test('each format\'s album is the native valbum create\'s, byte for byte', () => {
  const wrong = [];
  for (const set of ChoiceSets) {
    for (const [format, files] of Object.entries(pictures.byFormat)) {
      const native = nativeAlbum(files, set.args, `${format}-${set.name.replace(/\W+/g, '-')}`);
      const page = pageAlbum(files, set);
      if (!native.equals(page)) wrong.push(`${format}, ${set.name}: ${page.length} bytes, native ${native.length}`);
    }
  }
  assert.deepEqual(wrong, []);
});

// The decoded samples themselves, before the album's reduction could hide
// a difference: every sample libheif gives in WebAssembly is the one the
// native libheif gives (heif-convert, written losslessly as PNG). The
// deblocking filter and SAO, left out, made a few in a hundred differ.
test('a HEIC photo decodes to the native decoder\'s samples, every one', () => {
  for (const file of pictures.byFormat.heic) {
    const png = `${file}.native.png`;
    execFileSync('heif-convert', [file, png], { stdio: ['ignore', 'ignore', 'pipe'] });
    const [wasm, native] = [file, png].map((path) => {
      const read = core.readPicture(readFileSync(path));
      assert.ok(read.status > 0, `${path}: ${JSON.stringify(read.json)}`);
      try {
        return core.view(read.status);
      } finally {
        core.release(read.status);
      }
    });
    assert.deepEqual([wasm.json.width, wasm.json.height], [native.json.width, native.json.height]);
    let differing = 0;
    for (let at = 0; at < wasm.data.length; ++at) if (wasm.data[at] !== native.data[at]) ++differing;
    assert.equal(differing, 0, `${file}: ${differing} of ${wasm.data.length} samples differ`);
  }
});

// valbum list's damage kinds are the reader's stops in snake case.
const snakeCase = (name) => name.replace(/[A-Z]/g, (letter, at) => (at ? '_' : '') + letter.toLowerCase());

test('a damaged album stops where the native reader stops', () => {
  const whole = nativeAlbum(Object.values(pictures.byFormat).map((files) => files[0]), ['--password', '1234'], 'whole');
  const cut = whole.subarray(0, Math.floor(whole.length * 0.6));
  const garbled = Buffer.from(whole);
  const first = core.readAlbum(whole).json.records[0];
  garbled.fill(0xff, first[0] + 2, first[0] + 40); // inside the first record's payload
  for (const [name, album] of [['cut short', cut], ['garbled', garbled]]) {
    const path = join(pictures.folder, `damaged-${name.replace(' ', '-')}.valbum`);
    writeFileSync(path, album);
    const listed = spawnSync(valbum, ['list', '--json', path], { encoding: 'utf8' });
    assert.equal(listed.status, 2, `${name}: valbum list says ${listed.stdout}${listed.stderr}`);
    const native = JSON.parse(listed.stdout);
    const page = core.readAlbum(album);
    assert.equal(page.status, 0, name);
    assert.equal(page.json.password, native.password, name);
    assert.equal(page.json.records.length, native.images, name);
    assert.deepEqual(page.json.records.map(([offset]) => offset - 4), native.records.map(({ offset }) => offset), name);
    assert.equal(snakeCase(page.json.stop), native.damage.kind, name);
    assert.equal(page.json.stopOffset, native.damage.offset, name);
  }
});

test('an album another compressor packed is saved with the editor\'s bytes', () => {
  const whole = nativeAlbum(Object.values(pictures.byFormat).map((files) => files[0]), ['--password', '1234'], 'repacked');
  const foreignPath = join(pictures.folder, 'foreign.valbum');
  const repack = spawnSync(process.env.FOREIGN_ALBUM, [join(pictures.folder, 'repacked.valbum'), foreignPath], { encoding: 'utf8' });
  assert.equal(repack.status, 0, repack.stderr);
  const foreign = readFileSync(foreignPath);
  assert.notDeepEqual(foreign, whole, 'the foreign compressor gave the same bytes: the case tests nothing');
  const read = core.readAlbum(foreign);
  assert.equal(read.status, 0);
  const entries = read.json.records.map(([offset, length]) => {
    const recompressed = core.recompress(foreign.subarray(offset, offset + length));
    assert.equal(recompressed.status, 0);
    return core.fixedEntry(recompressed.data);
  });
  const saved = core.writeAlbum(concat(entries), String(read.json.password));
  assert.equal(saved.status, 0, JSON.stringify(saved.json));
  assert.deepEqual(Buffer.from(saved.data), whole);
});
