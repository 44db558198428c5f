// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page stays responsive while photos come in: the decoding and
// conversion run in the worker, so no task on the main thread takes longer
// than 50 ms (the browser's own long-task threshold) while 20 photos arrive.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { startSite } from '../support/browser.mjs';
import { addStagedPictures, benchmarkPhotos, imageCount, stagePictures } from './pagepictures.mjs';

const photos = benchmarkPhotos(process.env.VALBUM_WEB_PHOTOS ?? path.join(mkdtempSync(path.join(os.tmpdir(), 'valbum-photos-')), 'photos'), 20);

let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

test('no main-thread task longer than 50 ms while 20 photos come in', async () => {
  const { page } = await site.openPage();
  // The files are made in the page first, so their making is not measured.
  await stagePictures(page, photos);
  await page.evaluate(() => {
    window.__longTasks = [];
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.__longTasks.push(Math.round(entry.duration));
    }).observe({ type: 'longtask' });
  });
  await addStagedPictures(page);
  // Let the last thumbnails paint before reading what was observed.
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 100))));
  assert.equal(await imageCount(page), 20);
  const longTasks = await page.evaluate(() => window.__longTasks.splice(0));
  assert.deepEqual(longTasks, [], `main-thread tasks of ${longTasks.join(', ')} ms`);
  // The observer does see a long task: one of 80 ms made on purpose, in a
  // task of the page's (a timer).
  await page.evaluate(() => new Promise((resolve) => setTimeout(() => {
    const end = performance.now() + 80;
    while (performance.now() < end);
    setTimeout(resolve, 100);
  }, 0)));
  const control = await page.evaluate(() => window.__longTasks);
  assert.equal(control.length, 1);
  assert.ok(control[0] >= 80, `${control[0]} ms`);
  await page.close();
});
