// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as an installable app: what the server sends (types the browser
// insists on), the manifest as Chromium reads it, an album opened through the
// launch queue as the system opens a .valbum file with the installed page,
// and the licences linked from the page.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { decodePng, repositoryRoot, startSite } from '../support/browser.mjs';
import { addPictures, drawnPng, imageCount } from './pagepictures.mjs';

let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

test('the server sends each kind of file with the type the browser needs', async () => {
  const cases = [
    ['', 'text/html'],
    ['core/valbum-core.wasm', 'application/wasm'],
    ['core/valbum-core.js', 'text/javascript'],
    ['sw.js', 'text/javascript'],
    ['manifest.webmanifest', 'application/manifest+json'],
    ['icons/app-192.png', 'image/png'],
    ['licences/zlib.txt', 'text/plain'],
  ];
  for (const [file, type] of cases) {
    const response = await fetch(site.url + file);
    assert.equal(response.status, 200, file);
    assert.equal(response.headers.get('content-type').split(';')[0], type, file);
  }
  for (const outside of ['../package.json', '%2e%2e/%2e%2e/package.json', 'no-such-file.js']) {
    assert.equal((await fetch(site.url + outside)).status, 404, outside);
  }
});

test('the manifest: icons of the sizes it names, and .valbum files of the packaged type', async () => {
  const { page } = await site.openPage();
  const href = await page.evaluate(() => document.querySelector('link[rel="manifest"]').href);
  const manifest = await (await fetch(href)).json();
  const mimeFile = await readFile(path.join(repositoryRoot, 'packaging/valbum-editor.xml'), 'utf8');
  const packagedType = mimeFile.match(/<mime-type type="([^"]+)"/)[1];
  assert.deepEqual(manifest.file_handlers.map((handler) => handler.accept), [{ [packagedType]: ['.valbum'] }]);
  const pngIcons = manifest.icons.filter((icon) => icon.type === 'image/png');
  assert.ok(pngIcons.some((icon) => icon.sizes === '512x512') && pngIcons.some((icon) => icon.sizes === '192x192'));
  for (const icon of pngIcons) {
    const png = decodePng(Buffer.from(await (await fetch(new URL(icon.src, href))).arrayBuffer()));
    assert.equal(`${png.width}x${png.height}`, icon.sizes, icon.src);
  }
  // Chromium's own reading: it finds no errors and takes the file handler.
  const session = await page.context().newCDPSession(page);
  const { errors } = await session.send('Page.getAppManifest');
  assert.deepEqual(errors, []);
  await page.close();
});

test('an album file launched with the page opens as Load Album... opens it', async () => {
  // Make an album with the page itself: three pictures, saved.
  const { page: maker, saved } = await site.openPage();
  await addPictures(maker, [await drawnPng(maker, 1), await drawnPng(maker, 2), await drawnPng(maker, 3)]);
  await maker.locator('#save-album').click();
  await maker.waitForFunction(() => window.__valbumSaved.length === 1);
  const [album] = await saved();
  await maker.close();

  // The launch queue as an installed page gets it: a consumer set by the page,
  // handed file handles.
  const page = await site.context.newPage();
  await page.addInitScript(() => {
    // Chromium has a launchQueue of its own that only an installed page's
    // launch feeds; this one is fed by the test.
    Object.defineProperty(window, 'launchQueue', {
      configurable: true,
      value: { setConsumer(consumer) { window.__launchConsumer = consumer; } },
    });
  });
  await page.goto(site.url);
  await page.waitForFunction(() => typeof window.__launchConsumer === 'function');
  await page.evaluate((base64) => {
    const file = new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], 'launched.valbum');
    return window.__launchConsumer({ files: [{ kind: 'file', name: file.name, getFile: async () => file }] });
  }, album.bytes.toString('base64'));
  assert.equal(await imageCount(page), 3);
  await page.close();
});

test('the page links its licences, and every library\'s licence is served', async () => {
  const { page } = await site.openPage();
  await page.locator('#licences-link').click();
  await page.waitForURL(/licences\.html$/);
  const links = await page.locator('a[href^="licences/"]').evaluateAll((anchors) => anchors.map((anchor) => anchor.href));
  assert.ok(links.length >= 11, `${links.length} licence links`);
  for (const link of links) {
    const response = await fetch(link);
    assert.equal(response.status, 200, link);
    assert.match(await response.text(), /copyright/i, link);
  }
  await page.close();
});
