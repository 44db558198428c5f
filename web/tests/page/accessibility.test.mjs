// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page checked by axe-core (every WCAG 2.x A and AA rule it has) in the
// three states a user meets most: the empty editor, an album with images in
// its list (one of them selected), and the picture dialog open.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { startSite } from '../support/browser.mjs';
import { addPictures, drawnPng } from './pagepictures.mjs';

const axeScript = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

async function violations(page) {
  await page.addScriptTag({ path: axeScript });
  const results = await page.evaluate(() => window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] },
  }));
  return results.violations.map(({ id, help, nodes }) => `${id} (${help}): ${nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

const states = [
  { name: 'the empty editor', prepare: async () => {} },
  {
    name: 'images in the list, one selected',
    prepare: async (page) => {
      await addPictures(page, [await drawnPng(page, 1), await drawnPng(page, 2), await drawnPng(page, 3)]);
      await page.locator('#album-list').focus();
      await page.keyboard.press('ArrowUp');
    },
  },
  {
    name: 'the picture dialog open',
    prepare: async (page) => {
      await page.locator('#add-image').click();
      await page.locator('#picture-dialog[open]').waitFor();
    },
  },
];

for (const { name, prepare } of states) {
  test(`no accessibility violations: ${name}`, async () => {
    const { page, errors } = await site.openPage();
    await prepare(page);
    assert.deepEqual(await violations(page), []);
    assert.deepEqual(errors.filter((text) => text.startsWith('page error')), []);
    await page.close();
  });
}
