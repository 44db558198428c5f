// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page offline: after one visit it opens with the network off and still
// brings a picture in; a new version of the site replaces the cached one, and
// the old cache goes.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { appendFile, cp, mkdtemp, readFile, realpath, rm } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { launchChromium, openPage, siteRoot, startServer, startSite, waitForPageReady } from '../support/browser.mjs';
import { stampServiceWorker } from '../../server/precache.mjs';
import { addPictures, drawnPng, imageCount } from './pagepictures.mjs';

const controlled = (page) => page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 30000 });
const cacheNames = (page) => page.evaluate(async () => (await caches.keys()).filter((name) => name.startsWith('valbum-page-')));

// Waits until `condition` (which may be async) holds in the page; Playwright's
// waitForFunction would take a returned promise itself as true.
async function until(page, condition, argument, timeout = 30000) {
  const end = Date.now() + timeout;
  while (!(await page.evaluate(condition, argument))) {
    if (Date.now() > end) throw new Error(`timed out waiting for ${condition}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

test('after one visit the page opens offline and still brings a picture in', async () => {
  const worker = await readFile(path.join(siteRoot, 'sw.js'), 'utf8');
  assert.doesNotMatch(worker, /PRECACHE_VERSION = 'unbuilt'/, 'the built sw.js has no file list: run node web/server/precache.mjs build-web/site');
  const { page, errors } = await site.openPage();
  await controlled(page);
  await site.context.setOffline(true);
  try {
    // The network is really off: what the cache lacks cannot be had.
    assert.equal(await page.evaluate(() => fetch(`not-cached-${Date.now()}.txt`).then(() => 'fetched', () => 'failed')), 'failed');
    await page.reload();
    await waitForPageReady(page);
    await addPictures(page, [await drawnPng(page, 4)]);
    assert.equal(await imageCount(page), 1);
    // The translations are kept too: a language not seen online still comes.
    await page.locator('#language').selectOption('de');
    await page.getByRole('link', { name: 'Lizenzen' }).waitFor();
    await page.locator('#language').selectOption('en');
    assert.deepEqual(errors.filter((text) => text.startsWith('page error')), []);
  } finally {
    await site.context.setOffline(false);
    await page.close();
  }
});

test('a new version of the site replaces the cached one and the old cache is removed', async () => {
  const copy = await mkdtemp(path.join(os.tmpdir(), 'valbum-site-'));
  await cp(await realpath(siteRoot), copy, { recursive: true });
  const first = await stampServiceWorker(copy);
  const server = await startServer({ root: copy });
  const browser = await launchChromium();
  try {
    let { page } = await openPage(browser.context, server.url);
    await controlled(page);
    assert.deepEqual(await cacheNames(page), [`valbum-page-${first.version}`]);

    await appendFile(path.join(copy, 'licences.html'), '<!-- a new version -->\n');
    const second = await stampServiceWorker(copy);
    assert.notEqual(second.version, first.version);
    // The open page keeps its version; the new one waits until it is closed.
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((registration) => registration.update()));
    await until(page, async () => (await navigator.serviceWorker.getRegistration()).waiting !== null);
    await page.close();

    ({ page } = await openPage(browser.context, server.url));
    await controlled(page);
    await until(page, async (name) => (await caches.keys()).filter((key) => key.startsWith('valbum-page-')).join() === name,
      `valbum-page-${second.version}`);
    assert.deepEqual(await cacheNames(page), [`valbum-page-${second.version}`]);
    const licences = await page.evaluate(() => fetch('licences.html').then((response) => response.text()));
    assert.match(licences, /a new version/);
  } finally {
    await browser.close();
    await server.close();
    await rm(copy, { recursive: true, force: true });
  }
});
