// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in the browser's language: a German browser gets the page in
// German, with German separators; the chooser switches at once and is
// remembered. In each language, on a phone and a desktop screen, nothing
// is wider than the screen and no control's words are cut off.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { repositoryRoot, startSite } from '../support/browser.mjs';
import { convertTs } from '../../server/translations.mjs';
import { Languages } from '../../app/language.js';

const axeScript = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

let site;
before(async () => { site = await startSite({ locale: 'de-DE' }); });
after(async () => { await site?.close(); });

// The desktop's German for one of its texts, where it is translated yet.
async function desktopGerman(context, source) {
  const xml = await readFile(path.join(repositoryRoot, 'translations', 'valbum_de.ts'), 'utf8');
  return convertTs(xml).messages[context]?.[source] ?? source;
}

// The capacity line once measured.
async function capacity(page) {
  await page.waitForFunction(() => / B$/.test(document.getElementById('capacity').textContent));
  return page.locator('#capacity').textContent();
}

test('a German browser gets the page in German; the chooser switches to English at once and is remembered', async () => {
  const { page, errors } = await site.openPage();
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
  await page.getByRole('combobox', { name: 'Sprache:' }).waitFor();
  await page.getByRole('region', { name: 'Album-Befehle' }).waitFor();
  await page.getByRole('link', { name: 'Lizenzen' }).waitFor();
  await page.getByRole('button', { name: await desktopGerman('MainWindow', 'Load Album...'), exact: true }).waitFor();
  assert.match(await capacity(page), /^0 .*, \d+\/81\.920 B$/);

  await page.getByRole('combobox', { name: 'Sprache:' }).selectOption({ label: 'English' });
  await page.waitForFunction(() => document.documentElement.lang === 'en');
  assert.match(await capacity(page), /^0 images, \d+\/81,920 B$/);
  await page.getByRole('button', { name: 'Load Album...', exact: true }).waitFor();
  await page.getByRole('link', { name: 'Licences' }).waitFor();

  await page.reload();
  await page.getByRole('combobox', { name: 'Language:' }).waitFor();
  assert.match(await capacity(page), /^0 images, \d+\/81,920 B$/);
  await page.getByRole('combobox', { name: 'Language:' }).selectOption({ label: 'Deutsch' });
  await page.reload();
  await page.getByRole('combobox', { name: 'Sprache:' }).waitFor();
  assert.deepEqual(errors.filter((text) => text.startsWith('page error')), []);
  await page.close();
});

// Every element that shows words, on the page and in the open picture
// dialog, that is wider than the screen or whose words overflow it.
function overflowing() {
  const width = document.documentElement.clientWidth;
  const found = [];
  const shown = (element) => element.getClientRects().length > 0 && !element.closest('.visually-hidden');
  const name = (element) => `${element.tagName.toLowerCase()}#${element.id || element.className} "${element.textContent.trim().slice(0, 40)}"`;
  if (document.documentElement.scrollWidth > width) found.push(`the page scrolls: ${document.documentElement.scrollWidth} > ${width}`);
  for (const element of document.querySelectorAll('body *')) {
    if (!shown(element)) continue;
    const box = element.getBoundingClientRect();
    if (box.right > width + 0.5 || box.left < -0.5) found.push(`${name(element)} outside the screen: ${box.left}..${box.right}`);
  }
  for (const element of document.querySelectorAll('button, label, h1, h2, p, span, a, dialog')) {
    if (shown(element) && element.scrollWidth > element.clientWidth + 1 && element.clientWidth > 0)
      found.push(`${name(element)} cut off: ${element.scrollWidth} > ${element.clientWidth}`);
  }
  // A select shows its chosen option's words: it must be as wide as the
  // browser makes it for its widest option.
  for (const select of document.querySelectorAll('select')) {
    if (!shown(select)) continue;
    const width = select.getBoundingClientRect().width;
    const style = select.style.cssText;
    select.style.cssText += ';width:max-content;min-width:max-content;max-width:none';
    const needed = select.getBoundingClientRect().width;
    select.style.cssText = style;
    if (needed > width + 0.5) found.push(`select#${select.id} cuts its options: ${Math.ceil(needed)} > ${width}`);
  }
  return found;
}

for (const viewport of [{ width: 390, height: 844 }, { width: 1280, height: 800 }]) {
  test(`every language fits a ${viewport.width}x${viewport.height} screen`, async () => {
    const { page } = await site.openPage();
    await page.setViewportSize(viewport);
    const problems = [];
    for (const { code, name } of Languages) {
      await page.locator('#language').selectOption(code);
      await page.waitForFunction((lang) => document.documentElement.lang === lang, code);
      problems.push(...(await page.evaluate(overflowing)).map((problem) => `${name}, editor: ${problem}`));
      await page.locator('#add-image').click();
      await page.locator('#picture-dialog[open]').waitFor();
      await page.locator('#fit').selectOption('crop');
      problems.push(...(await page.evaluate(overflowing)).map((problem) => `${name}, picture dialog: ${problem}`));
      await page.locator('#picture-cancel').click();
    }
    assert.deepEqual(problems, []);
    await page.close();
  });
}

test('no accessibility violations in German, in the editor and in the picture dialog', async () => {
  const { page } = await site.openPage();
  await page.locator('#language').selectOption('de');
  await page.addScriptTag({ path: axeScript });
  const run = () => page.evaluate(async () => (await window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] },
  })).violations.map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target.join(' ')).join(', ')}`));
  assert.deepEqual(await run(), []);
  await page.locator('#add-image').click();
  await page.locator('#picture-dialog[open]').waitFor();
  assert.deepEqual(await run(), []);
  await page.close();
});
