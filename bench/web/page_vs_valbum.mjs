// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The measuring half of bench/web/page_vs_valbum.sh (which makes the photos
// and the largest album first):
//   node bench/web/page_vs_valbum.mjs VALBUM WORK ROUNDS
// Each round: a fresh tab brings the 20 photos in (timed in the page, from
// the call to the last image in the list), then loads the largest album and
// saves it (timed from the click to the last byte written); and valbum does
// the same work as a process. Rounds are interleaved, medians printed.

import { execFileSync } from 'node:child_process';
import { copyFileSync, readdirSync, readFileSync, writeFileSync, mkdtempSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { startSite } from '../../web/tests/support/browser.mjs';
import { stagePictures } from '../../web/tests/page/pagepictures.mjs';

const [valbum, work, roundsText] = process.argv.slice(2);
const rounds = Number(roundsText ?? 3);
const photoNames = readdirSync(path.join(work, 'pictures')).filter((name) => name.endsWith('.jpg')).sort().slice(0, 20);
const photoPaths = photoNames.map((name) => path.join(work, 'pictures', name));
const photos = photoPaths.map((file, i) => ({ name: photoNames[i], mimeType: 'image/jpeg', buffer: readFileSync(file) }));
const largest = readFileSync(path.join(work, 'largest.valbum'));
const scratch = mkdtempSync(path.join(os.tmpdir(), 'valbum-bench-web-'));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
function timed(run) {
  const start = process.hrtime.bigint();
  run();
  return Number(process.hrtime.bigint() - start) / 1e6;
}
function runValbum(args) {
  try {
    execFileSync(valbum, args, { stdio: 'ignore' });
  } catch (error) {
    if (error.status !== 3) throw error;
  }
}

const site = await startSite();
const results = { pageImport: [], valbumImport: [], pageSave: [], valbumSave: [] };
try {
  // An empty album as the page writes it, for valbum append to fill.
  const empty = path.join(scratch, 'empty.valbum');
  {
    const { page, saved } = await site.openPage();
    await page.locator('#save-album').click();
    await page.waitForFunction(() => window.__valbumSaved.length === 1);
    writeFileSync(empty, (await saved())[0].bytes);
    await page.close();
  }
  for (let round = 0; round < rounds; round++) {
    let { page, saved } = await site.openPage();
    await stagePictures(page, photos);
    results.pageImport.push(await page.evaluate(async () => {
      const start = performance.now();
      await window.valbumPage.addPictureFiles(window.__stagedFiles);
      return performance.now() - start;
    }));
    if ((await page.locator('#album-list [role="option"]').count()) !== 20) throw new Error('the page did not take all 20 photos');
    results.valbumImport.push(timed(() => runValbum(['create', '--force', '--jobs', '1', path.join(scratch, 'photos.valbum'), ...photoPaths])));

    // A fresh tab for the save: the photos' album would ask first.
    await page.close();
    ({ page, saved } = await site.openPage());
    await page.evaluate(async (base64) => {
      const file = new File([await (await fetch(`data:application/octet-stream;base64,${base64}`)).blob()], 'largest.valbum');
      await window.valbumPage.openAlbumFile(file);
    }, largest.toString('base64'));
    const savesBefore = await page.evaluate(() => window.__valbumSaved.length);
    const clicked = await page.evaluate(() => performance.now());
    await page.locator('#save-album').click();
    await page.waitForFunction((count) => window.__valbumSaved.length > count, savesBefore, { polling: 'raf' });
    results.pageSave.push(await page.evaluate((start) => performance.now() - start, clicked));
    const written = (await saved()).at(-1).bytes;
    if (!written.equals(largest)) throw new Error('the page saved the largest album with other bytes than it loaded');

    const target = path.join(scratch, 'target.valbum');
    copyFileSync(empty, target);
    results.valbumSave.push(timed(() => runValbum(['append', target, path.join(work, 'largest.valbum')])));
    if (!readFileSync(target).equals(largest)) throw new Error('valbum append did not write the largest album again');
    await page.close();
  }
} finally {
  await site.close();
}

const show = (label, values) => console.log(`${label.padEnd(34)} median ${median(values).toFixed(0).padStart(6)} ms  (${values.map((v) => v.toFixed(0)).join(', ')})`);
show('page: 20 photos in', results.pageImport);
show('valbum create --jobs 1: 20 photos', results.valbumImport);
show('page: save the largest album', results.pageSave);
show('valbum append: the largest album', results.valbumSave);
console.log(`import page / valbum --jobs 1: ${(median(results.pageImport) / median(results.valbumImport)).toFixed(2)} (target at most 2)`);
console.log(`save page / valbum: ${(median(results.pageSave) / median(results.valbumSave)).toFixed(2)} (target at most 2)`);
