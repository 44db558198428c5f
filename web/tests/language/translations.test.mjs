// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's translation files as the page reads them: the build's
// conversion (entities, plural forms, unfinished texts left out) and the
// page's look-up (the plural form for a count in each language, English
// where a translation is missing).

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdir, readFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { convertTs } from '../../server/translations.mjs';
import { Translation, arg, numerusForm, numerusFormCount } from '../../app/language.js';

const repositoryRoot = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../..');

const sample = `<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Sample</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2 &#x2013; &amp;&lt;&gt;&apos;</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation type="unfinished">Jeszcze</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation type="vanished">Znikło</translation>
    </message>
    <message>
        <source>None</source>
        <comment>greys</comment>
        <translation>Brak</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) were read</source>
        <translation>
            <numerusform>Odczytano %n obraz</numerusform>
            <numerusform>Odczytano %n obrazy</numerusform>
            <numerusform>Odczytano %n obrazów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures chosen</source>
        <translation type="unfinished">
            <numerusform>Wybrano %n</numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
`;

const english = new Translation('en', {
  Sample: { '%n pictures chosen': ['%n picture chosen', '%n pictures chosen'] },
});

test('a translation file converts with its entities, plural forms and disambiguations; unfinished texts stay out', () => {
  const { language, messages } = convertTs(sample);
  assert.equal(language, 'pl');
  assert.deepEqual(messages, {
    Sample: {
      'Cannot open file "%1". %2': 'Nie można otworzyć pliku „%1”. %2 \u2013 &<>\'',
      'None\u0004greys': 'Brak',
      '%n image(s) were read': ['Odczytano %n obraz', 'Odczytano %n obrazy', 'Odczytano %n obrazów'],
    },
  });
  assert.throws(() => convertTs(sample.replace('</source>', '</sourc>')), /closes/);
});

test('the plural form for a count follows each language\'s rule', () => {
  const cases = [
    ['pl', [[1, 0], [2, 1], [5, 2], [22, 1], [12, 2], [0, 2]]],
    ['fr', [[0, 0], [1, 0], [2, 1]]],
    ['de', [[0, 1], [1, 0], [2, 1]]],
    ['es', [[1, 0], [2, 1], [1000000, 1]]],
    ['en', [[1, 0], [2, 1]]],
    ['ja', [[1, 0], [22, 0]]],
  ];
  for (const [code, counts] of cases)
    for (const [count, form] of counts) assert.equal(numerusForm(code, count), form, `${code} ${count}`);

  const polish = new Translation('pl', convertTs(sample).messages, english);
  assert.deepEqual([1, 2, 5, 22].map((count) => polish.translate('Sample', '%n image(s) were read', '', count)),
    ['Odczytano 1 obraz', 'Odczytano 2 obrazy', 'Odczytano 5 obrazów', 'Odczytano 22 obrazy']);
});

test('a missing or unfinished translation shows the English text', () => {
  const polish = new Translation('pl', convertTs(sample).messages, english);
  assert.equal(polish.translate('Sample', 'Not yet'), 'Not yet');
  assert.equal(polish.translate('Sample', 'Gone'), 'Gone');
  assert.equal(polish.translate('Sample', 'None'), 'None');
  assert.equal(polish.translate('Sample', 'None', 'greys'), 'Brak');
  // English's own plural forms, by English's rule, for a plural not translated yet.
  assert.equal(polish.translate('Sample', '%n pictures chosen', '', 1), '1 picture chosen');
  assert.equal(polish.translate('Sample', '%n pictures chosen', '', 5), '5 pictures chosen');
  assert.equal(arg('%1 of %2: %3', '%2', 7, 'x'), '%2 of 7: x');
  // As Qt's arg(): after %n the lowest marker left takes the first argument.
  assert.equal(arg('%n of %2 into %3 from %4', 21, '81,920', '019'), '%n of 21 into 81,920 from 019');
});

test('every translation file has as many plural forms as the page counts for its language', async () => {
  const folder = path.join(repositoryRoot, 'translations');
  const files = (await readdir(folder)).filter((name) => name.endsWith('.ts'));
  assert.ok(files.length >= 6, `translation files: ${files}`);
  for (const file of files) {
    const xml = await readFile(path.join(folder, file), 'utf8');
    const code = convertTs(xml).language;
    const forms = [...xml.matchAll(/<translation[^>]*>\s*((?:<numerusform>[\s\S]*?<\/numerusform>\s*)+)<\/translation>/g)]
      .map((match) => match[1].match(/<numerusform>/g).length);
    assert.ok(forms.length > 0, file);
    assert.deepEqual(new Set(forms), new Set([numerusFormCount(code)]), file);
  }
});
