// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures for the page's tests, and bringing them in the way a user's
// chosen files come in.

import { execFileSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { repositoryRoot } from '../support/browser.mjs';

// The benchmarks' photo-like 640 x 480 JPEGs (bench/photos.sh), `count` of
// them made in `folder` (kept there): [{ name, mimeType, buffer }].
export function benchmarkPhotos(folder, count) {
  execFileSync('bash', ['-c', 'source "$0/bench/photos.sh" && make_photos "$1" "$2"', repositoryRoot, folder, String(count)],
    { stdio: ['ignore', 'ignore', 'inherit'] });
  return readdirSync(folder).filter((name) => name.endsWith('.jpg')).sort().slice(0, count)
    .map((name) => ({ name, mimeType: 'image/jpeg', buffer: readFileSync(path.join(folder, name)) }));
}

// A small PNG drawn by the browser itself: stripes of grey, different for
// each `seed`, so no photo tools are needed.
export async function drawnPng(page, seed) {
  const bytes = await page.evaluate(async (seed) => {
    const canvas = new OffscreenCanvas(120, 80);
    const context = canvas.getContext('2d');
    for (let x = 0; x < 120; x += 10) {
      const grey = (x * 2 + seed * 40) % 256;
      context.fillStyle = `rgb(${grey},${grey},${grey})`;
      context.fillRect(x, 0, 10, 80);
    }
    const blob = await canvas.convertToBlob({ type: 'image/png' });
    return [...new Uint8Array(await blob.arrayBuffer())];
  }, seed);
  return { name: `drawn-${seed}.png`, mimeType: 'image/png', buffer: Buffer.from(bytes) };
}

// Puts File objects of the pictures into the page as window.__stagedFiles,
// as the file chooser hands them over.
export async function stagePictures(page, pictures) {
  await page.evaluate(async (pictures) => {
    window.__stagedFiles = await Promise.all(pictures.map(async ({ name, mimeType, base64 }) =>
      new File([await (await fetch(`data:${mimeType};base64,${base64}`)).blob()], name, { type: mimeType })));
  }, pictures.map(({ name, mimeType, buffer }) => ({ name, mimeType, base64: buffer.toString('base64') })));
}

// Brings the staged pictures in with window.valbumPage.addPictureFiles (the
// picture dialog's current choices, without the dialog); resolves when the
// page's list holds them all.
export async function addStagedPictures(page) {
  const before = await imageCount(page);
  // Started from a task of the page's own (a timer), as a user's choice
  // would be: work done inside the test's evaluate call is no task of the
  // page's, and a long-task observer would not see it.
  const count = await page.evaluate(() => new Promise((resolve, reject) => {
    setTimeout(() => window.valbumPage.addPictureFiles(window.__stagedFiles)
      .then(() => resolve(window.__stagedFiles.length), reject), 0);
  }));
  await page.waitForFunction((expected) => document.querySelectorAll('#album-list [role="option"]').length >= expected,
    before + count);
}

export async function addPictures(page, pictures) {
  await stagePictures(page, pictures);
  await addStagedPictures(page);
}

export async function imageCount(page) {
  return page.locator('#album-list [role="option"]').count();
}
