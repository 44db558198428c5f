// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The golden albums through the page's core: the corpus of tests/data/golden
// made into one album for each set of choices of tests/golden/goldensets.cpp,
// whose SHA-256 must be the table's. The table is read from the native
// golden_album_tests (--list-choices, $GOLDEN_ALBUM_TESTS), so there is one.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';

import { loadCore, repositoryRoot } from './corenode.mjs';

function goldenSets() {
  const program = process.env.GOLDEN_ALBUM_TESTS;
  assert.ok(program, 'GOLDEN_ALBUM_TESTS names the native golden_album_tests');
  return execFileSync(program, ['--list-choices'], { encoding: 'utf8' })
    .trim()
    .split('\n')
    .map((line) => {
      const [name, repeats, bestFit, sha256, choices] = line.split('\t');
      return { name, repeats: Number(repeats), bestFit: bestFit === '1', sha256, choices };
    });
}

// The corpus in its order, from the names goldencorpus.h lists.
function corpus() {
  const header = readFileSync(`${repositoryRoot}tests/golden/goldencorpus.h`, 'utf8');
  const list = header.match(/GoldenPictureNames\{([^}]*)\}/)[1];
  return [...list.matchAll(/"([a-z]+)"/g)].map(([, name]) => {
    const file = readFileSync(`${repositoryRoot}tests/data/golden/${name}.argb`);
    const view = new DataView(file.buffer, file.byteOffset, file.byteLength);
    assert.equal(file.toString('latin1', 0, 4), 'ARGB', name);
    const width = view.getUint32(4, true);
    const height = view.getUint32(8, true);
    const words = new Uint32Array(width * height);
    for (let index = 0; index < words.length; ++index) words[index] = view.getUint32(16 + 4 * index, true);
    return { name, width, height, hasAlpha: (view.getUint32(12, true) & 1) !== 0, words };
  });
}

test('every golden album the page writes has the table\'s SHA-256', async () => {
  const core = await loadCore();
  const pictures = corpus();
  assert.equal(pictures.length, 6);
  const handles = pictures.map(({ words, width, height, hasAlpha }) => core.pictureFromArgb(words, width, height, hasAlpha));
  assert.ok(handles.every((handle) => handle > 0));
  const sets = goldenSets();
  assert.ok(sets.length > 20, `only ${sets.length} sets listed`);
  const wrong = [];
  for (const set of sets) {
    const album = [];
    for (let round = 0; round < set.repeats; ++round)
      for (const handle of handles) album.push({ handle, choices: set.choices, bestFit: set.bestFit });
    const written = core.albumOf(album);
    assert.equal(written.status, 0, `${set.name}: ${JSON.stringify(written.json)}`);
    const sha256 = createHash('sha256').update(written.data).digest('hex');
    if (sha256 !== set.sha256) wrong.push(`${set.name}: ${sha256}, the table says ${set.sha256}`);
  }
  assert.deepEqual(wrong, []);
});
