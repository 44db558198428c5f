// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The measuring half of bench/web/page_vs_valbum.sh (which makes the photos
// and the largest album first):
//   node bench/web/page_vs_valbum.mjs VALBUM WORK ROUNDS
// Each round: the page brings the 20 photos in, with one worker and with
// its pool of workers, each in a fresh tab (timed in the page, from the call
// to the last image in the list; the tab's core is compiled and started
// before, and that time is printed on its own), then loads the largest
// album and saves it (timed from the click to the last byte written); and
// valbum does the same work as a process. Rounds are interleaved, medians
// printed.

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

// Each way the page may bring pictures in: one worker, and a pool of one a
// processor (at most four; by itself the page leaves one processor to its
// own thread).
const poolSize = Math.min(Math.max(os.availableParallelism?.() ?? os.cpus().length, 2), 4);
const pageWays = [{ key: 'one', query: '?workers=1' }, { key: 'pool', query: `?workers=${poolSize}` }];

// In a fresh tab: when the core was ready (from the tab's opening: the
// compile, not counted in the import), the 20 photos in (timed in the page,
// from the call to the last image in the list), then the same 20 again in
// the same tab, with the core's code warmed up.
async function pageImport(way) {
  const { page } = await site.openPage({ url: `${site.url}${way.query}` });
  await stagePictures(page, photos);
  const timing = await page.evaluate(async () => {
    const ready = performance.getEntriesByName('valbum-core-ready')[0]?.startTime ?? NaN;
    const times = [];
    for (let pass = 0; pass < 2; pass++) {
      const start = performance.now();
      await window.valbumPage.addPictureFiles(window.__stagedFiles);
      times.push(performance.now() - start);
    }
    return { ready, first: times[0], again: times[1] };
  });
  if ((await page.locator('#album-list [role="option"]').count()) !== 40) throw new Error('the page did not take all 20 photos twice');
  await page.close();
  return timing;
}

const site = await startSite();
const results = { valbumImport: [], pageSave: [], valbumSave: [], ready: [] };
for (const way of pageWays) Object.assign(results, { [`${way.key}First`]: [], [`${way.key}Again`]: [] });
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
    for (const way of pageWays) {
      const timing = await pageImport(way);
      results[`${way.key}First`].push(timing.first);
      results[`${way.key}Again`].push(timing.again);
      results.ready.push(timing.ready);
    }
    results.valbumImport.push(timed(() => runValbum(['create', '--force', '--jobs', '1', path.join(scratch, 'photos.valbum'), ...photoPaths])));

    // The save in a fresh tab of its own.
    const { page, saved } = await site.openPage();
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

const show = (label, values) => console.log(`${label.padEnd(46)} median ${median(values).toFixed(0).padStart(6)} ms  (${values.map((v) => v.toFixed(0)).join(', ')})`);
const pool = `${poolSize} workers`;
show('page, 1 worker: 20 photos in, fresh tab', results.oneFirst);
show('page, 1 worker: the 20 again, same tab', results.oneAgain);
show(`page, ${pool}: 20 photos in, fresh tab`, results.poolFirst);
show(`page, ${pool}: the 20 again, same tab`, results.poolAgain);
show('page: core ready, from the tab opening', results.ready);
show('valbum create --jobs 1: 20 photos', results.valbumImport);
show('page: save the largest album', results.pageSave);
show('valbum append: the largest album', results.valbumSave);
const ratio = (values) => (median(values) / median(results.valbumImport)).toFixed(2);
console.log(`import page / valbum --jobs 1, fresh tab: 1 worker ${ratio(results.oneFirst)}, ${pool} ${ratio(results.poolFirst)} (target at most 2)`);
console.log(`import page / valbum --jobs 1, same tab again: 1 worker ${ratio(results.oneAgain)}, ${pool} ${ratio(results.poolAgain)}`);
console.log(`save page / valbum: ${(median(results.pageSave) / median(results.valbumSave)).toFixed(2)} (target at most 2)`);
