// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page end to end in Debian's Chromium: photos in every format brought
// in through the file input and by drop, reordered from the keyboard, saved
// with a password and compared byte for byte with `valbum create`; damaged
// and foreign albums; the limit as painted; the layout on a desktop and a
// phone screen.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { decodePng, startSite } from '../support/browser.mjs';
import { bigPhoto, nativeValbum, noisePictures, photosAvailable, photosInEveryFormat, valbumCreate } from './pictures.mjs';

const valbum = nativeValbum();
const work = mkdtempSync(join(tmpdir(), 'valbum-page-test-'));
const artifacts = process.env.VALBUM_WEB_ARTIFACTS ?? join(work, 'screenshots');
mkdirSync(artifacts, { recursive: true });

const MimeTypes = { png: 'image/png', jpg: 'image/jpeg', bmp: 'image/bmp', gif: 'image/gif', ico: 'image/x-icon',
  webp: 'image/webp', tif: 'image/tiff', heic: 'image/heic', avif: 'image/avif', valbum: 'application/octet-stream' };
const typeOf = (name) => MimeTypes[name.split('.').pop()] ?? 'application/octet-stream';
const payloadOf = ({ name, bytes }) => ({ name, mimeType: typeOf(name), buffer: Buffer.from(bytes) });

let site;
before(async () => {
  site = await startSite();
});
after(async () => {
  await site?.close();
});

// A fresh tab at `viewport`, its core loaded; `saved()` waits for the next album it saves.
async function openPage(viewport = { width: 1280, height: 800 }) {
  const opened = await site.openPage();
  const { page } = opened;
  await page.setViewportSize(viewport);
  let seen = 0;
  page.savedAlbum = async () => {
    await page.waitForFunction((n) => (window.__valbumSaved ?? []).length > n, seen);
    const files = await opened.saved();
    seen = files.length;
    return files.at(-1).bytes;
  };
  page.pageErrors = opened.errors;
  return page;
}

// --- driving the page ---

async function setChoices(page, { fit = 'stretch', gravity = 'center', smooth = false, greys = 'none', brightness = 0, contrast = 0 }) {
  await page.selectOption('#fit', fit);
  await page.selectOption('#gravity', gravity);
  await page.setChecked('#smooth', smooth);
  await page.selectOption('#greys', greys);
  for (const [id, value] of [['#brightness', brightness], ['#contrast', contrast]])
    await page.$eval(id, (input, v) => {
      input.value = String(v);
      input.dispatchEvent(new Event('input', { bubbles: true }));
    }, value);
}

// The picture dialog, with the pictures chosen through its file input.
async function addThroughInput(page, files, choices) {
  await page.click('#add-image');
  await page.waitForSelector('#picture-dialog[open]');
  if (choices) await setChoices(page, choices);
  await page.setInputFiles('#picture-file-input', files.map(payloadOf));
  await page.click('#picture-open');
}

// Load Album... and the file chosen in the browser's file chooser.
async function chooseAlbum(page, file) {
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('#load-album')]);
  await chooser.setFiles(payloadOf(file));
}

// Files dropped on the page, as a file manager drops them.
async function drop(page, files) {
  await page.evaluate((dropped) => {
    const transfer = new DataTransfer();
    for (const { name, type, data } of dropped)
      transfer.items.add(new File([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))], name, { type }));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, files.map(({ name, bytes }) => ({ name, type: typeOf(name), data: Buffer.from(bytes).toString('base64') })));
}

// Waits until the list holds `count` images and the capacity line is measured.
async function settled(page, count) {
  await page.waitForFunction((n) => document.querySelectorAll('#album-list [role="option"]').length === n &&
    !document.getElementById('capacity').textContent.includes('measuring'), count, { timeout: 120000 });
}

async function message(page) {
  await page.waitForSelector('#message-dialog[open]');
  const text = await page.textContent('#message-text');
  await page.click('#message-dialog[open] button:not([hidden])');
  return text;
}

// How many pixels of a screenshot are warning red and how many focus-ring blue.
function paintedColours(png) {
  const { data } = decodePng(png);
  let red = 0;
  let focus = 0;
  for (let at = 0; at < data.length; at += 4) {
    const [r, g, b] = [data[at], data[at + 1], data[at + 2]];
    if (r > 150 && g < 70 && b < 70) ++red;
    if (r < 60 && g > 60 && g < 120 && b > 170) ++focus;
  }
  return { red, focus };
}

// --- the tests ---

describe('the page', { skip: !valbum && 'no native valbum to compare with' }, () => {
  const cases = [
    { title: 'crop, north, smoothing, compact, brighter', ui: { fit: 'crop', gravity: 'north', smooth: true, greys: 'compact', brightness: 10 },
      cli: ['--fit', 'crop', '--gravity', 'north', '--smooth', '--dither', 'compact', '--brightness', '10'] },
    { title: 'best fit with smoothing', ui: { smooth: true, greys: 'best-fit' }, cli: ['--smooth', '--best-fit'] },
  ];

  for (const { title, ui, cli } of cases) {
    test(`photos in every format, reordered and saved with a password, as valbum makes them: ${title}`,
      { skip: !photosAvailable() && 'no sample photos', timeout: 300000 }, async () => {
        const folder = mkdtempSync(join(work, 'photos-'));
        const photos = photosInEveryFormat(folder);
        const page = await openPage();
        const byInput = photos.slice(0, 5);
        const byDrop = photos.slice(5);
        await addThroughInput(page, byInput, ui);
        await settled(page, byInput.length);
        await drop(page, byDrop);
        await page.waitForSelector('#picture-dialog[open]');
        await page.click('#picture-open');
        await settled(page, photos.length);

        // The first image, moved two places down from the keyboard.
        await page.focus('#album-list');
        await page.keyboard.press('Home');
        await page.keyboard.press('Alt+ArrowDown');
        await page.keyboard.press('Alt+ArrowDown');
        await page.waitForFunction(() => document.getElementById('announcer').textContent !== '');
        assert.equal(await page.textContent('#announcer'), `Image 001 moved to position 3 of ${photos.length}.`);
        const order = [photos[1], photos[2], photos[0], ...photos.slice(3)];

        // Letters are refused; digits are kept.
        await page.click('#password');
        await page.keyboard.type('24x68');
        assert.equal(await page.inputValue('#password'), '2468');
        await settled(page, photos.length);

        await page.click('#save-album');
        const bytes = await page.savedAlbum();
        const expected = join(folder, 'expected.valbum');
        valbumCreate(valbum, expected, order.map(({ path }) => path), [...cli, '--password', '2468']);
        assert.ok(bytes.equals(readFileSync(expected)), `the page's album (${bytes.length} bytes) differs from valbum's`);
        assert.match(await page.title(), /^Vemo ZidarUzura editor - album\.valbum$/);

        // Opened again, the album shows its password and images.
        await chooseAlbum(page, { name: 'again.valbum', bytes });
        await page.waitForFunction(() => document.title.endsWith('again.valbum'));
        assert.equal(await page.inputValue('#password'), '2468');
        await settled(page, photos.length);
        assert.deepEqual(page.pageErrors, []);
        await page.close();
      });
  }

  test('a damaged album opens with the images before the damage; a foreign file and unreadable pictures are refused', async () => {
    const pictures = noisePictures(mkdtempSync(join(work, 'noise-')), 3);
    const whole = join(work, 'whole.valbum');
    valbumCreate(valbum, whole, pictures.map(({ path }) => path), []);
    const album = readFileSync(whole);
    const cases = [
      { name: 'cut.valbum', bytes: album.subarray(0, album.length - 100), images: 2,
        text: 'The album "cut.valbum" is damaged: 2 images were read, and the rest of the file could not be read ' +
          '(a record runs past the end of the file). Saving writes only the images shown.' },
      // Refused, it leaves the album shown as it was.
      { name: 'photo.valbum', bytes: pictures[0].bytes, images: 2, text: 'This file is not a Vemo ZidarUzura' },
    ];
    const page = await openPage();
    for (const { name, bytes, images, text } of cases) {
      await chooseAlbum(page, { name, bytes });
      assert.equal(await message(page), text);
      await settled(page, images);
    }

    // Pictures that cannot be read are named together; the others still come in.
    await addThroughInput(page, [{ name: 'empty.png', bytes: Buffer.alloc(0) }, pictures[2],
      { name: 'notes.png', bytes: Buffer.from('hello there\n') }]);
    assert.equal(await message(page), 'Cannot import picture "empty.png". The file is empty.\n' +
      'Cannot import picture "notes.png". Unsupported image format: this is a text file. ' +
      'Pictures are read from BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF files.');
    await settled(page, 3);
    await page.close();
  });

  test('over the limit: the capacity line and the left-out images as painted, and the save says so', { timeout: 180000 }, async () => {
    const pictures = noisePictures(mkdtempSync(join(work, 'noise-')), 21);
    const expected = join(work, 'full.valbum');
    const report = valbumCreate(valbum, expected, pictures.map(({ path }) => path), []);
    const [, kept, size] = report.match(/\((\d+) images, (\d+) bytes\)/);
    assert.ok(Number(kept) < pictures.length);

    const page = await openPage();
    await addThroughInput(page, pictures, {});
    await settled(page, pictures.length);
    const line = `\u26A0 ${kept} of ${pictures.length} fit, ${Number(size).toLocaleString('en-US')} B`;
    assert.equal(await page.textContent('#capacity'), line);

    const painted = async (selector) => paintedColours(await page.locator(selector).screenshot());
    const warningLine = await painted('#capacity');
    assert.ok(warningLine.red > 30, `the capacity line shows ${warningLine.red} red pixels`);
    const lastKept = await painted(`#image-${Number(kept) - 1}`);
    const firstLeftOut = await painted(`#image-${kept}`);
    assert.equal(lastKept.red, 0);
    assert.ok(firstLeftOut.red > 200, `the left-out image shows ${firstLeftOut.red} red pixels`);
    assert.equal(await page.getAttribute(`#image-${kept}`, 'aria-description'), `Image ${String(kept).padStart(3, '0')} will not be saved: the album is full.`);

    await page.click('#save-album');
    const bytes = await page.savedAlbum();
    assert.equal(await message(page), `The album is full: ${pictures.length - kept} of ${pictures.length} images did not fit ` +
      `into 81,920 bytes and were not saved, from image ${String(kept).padStart(3, '0')} on.`);
    assert.ok(bytes.equals(readFileSync(expected)));
    await page.close();
  });

  test('a 48-megapixel photo is previewed and comes in', { skip: !photosAvailable() && 'no sample photos', timeout: 300000 }, async () => {
    const big = bigPhoto(mkdtempSync(join(work, 'big-')));
    const page = await openPage();
    await page.click('#add-image');
    await page.waitForSelector('#picture-dialog[open]');
    await setChoices(page, {});
    await page.setInputFiles('#picture-file-input', [payloadOf(big)]);
    await page.waitForFunction(() => document.getElementById('picture-caption').textContent === 'Picture: (8000x6000)', null, { timeout: 240000 });
    await page.click('#picture-open');
    await settled(page, 1);
    const expected = join(work, 'big.valbum');
    valbumCreate(valbum, expected, [big.path], []);
    await page.click('#save-album');
    assert.ok((await page.savedAlbum()).equals(readFileSync(expected)));
    await page.close();
  });

  // The device's view of a HEIC photo in the page, against the desktop's
  // album of it opened in the page: the same picture, pixel for pixel, as
  // painted.
  test('a HEIC photo comes in as the desktop brings it in, pixel for pixel', { skip: !photosAvailable() && 'no sample photos' }, async () => {
    const folder = mkdtempSync(join(work, 'heic-'));
    const heic = photosInEveryFormat(folder).find(({ name }) => name.endsWith('.heic'));
    const expected = join(folder, 'native.valbum');
    valbumCreate(valbum, expected, [heic.path], []);
    const thumbnails = [];
    for (const bring of [(page) => addThroughInput(page, [heic], {}),
      (page) => chooseAlbum(page, { name: 'native.valbum', bytes: readFileSync(expected) })]) {
      const page = await openPage();
      await bring(page);
      await settled(page, 1);
      thumbnails.push(decodePng(await page.locator('#image-0 canvas').screenshot()));
      await page.close();
    }
    const [inPage, native] = thumbnails;
    assert.deepEqual([inPage.width, inPage.height], [native.width, native.height]);
    let differing = 0;
    const greys = new Set();
    for (let at = 0; at < inPage.data.length; at += 4) {
      greys.add(native.data[at]);
      if (inPage.data[at] !== native.data[at]) ++differing;
    }
    assert.ok(greys.size >= 4, 'the desktop\'s picture shows several greys');
    assert.equal(differing, 0, `${differing} pixels differ`);
  });

  const screens = [{ name: 'desktop', width: 1280, height: 800 }, { name: 'phone', width: 390, height: 844 }];
  for (const { name, width, height } of screens) {
    test(`at ${width}x${height} nothing scrolls sideways and the focus shows`, async () => {
      const page = await openPage({ width, height });
      await addThroughInput(page, noisePictures(mkdtempSync(join(work, 'noise-')), 4), {});
      await settled(page, 4);
      const overflow = () => page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
      assert.ok(await overflow() <= 0, `the page is ${await overflow()} pixels too wide`);

      const chosen = page.locator('#image-0');
      const before = await paintedColours(await chosen.screenshot());
      await page.click('h1'); // Tab goes on from the heading: the list comes first
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'album-list');
      await page.keyboard.press('Home');
      const focused = await paintedColours(await chosen.screenshot());
      assert.ok(focused.focus > before.focus + 100, `the focused image shows ${focused.focus} focus-ring pixels`);
      writeFileSync(join(artifacts, `page-${name}.png`), await page.screenshot({ fullPage: true }));

      await page.click('#add-image');
      await page.setInputFiles('#picture-file-input', [payloadOf(noisePictures(mkdtempSync(join(work, 'noise-')), 1)[0])]);
      await page.waitForFunction(() => document.getElementById('picture-caption').textContent.includes('x'));
      const dialogOverflow = await page.$eval('#picture-dialog', (dialog) => dialog.scrollWidth - dialog.clientWidth);
      assert.ok(dialogOverflow <= 0, `the picture dialog is ${dialogOverflow} pixels too wide`);
      assert.ok(await overflow() <= 0);
      writeFileSync(join(artifacts, `picture-dialog-${name}.png`), await page.screenshot());
      await page.close();
    });
  }

  test('an image dragged onto another takes its place, as painted', async () => {
    const page = await openPage();
    await addThroughInput(page, noisePictures(mkdtempSync(join(work, 'noise-')), 4), {});
    await settled(page, 4);
    const thumbnails = () => Promise.all([0, 1, 2, 3].map((index) => page.locator(`#image-${index} canvas`).screenshot()));
    const before = await thumbnails();
    assert.equal(new Set(before.map((png) => png.toString('base64'))).size, 4, 'the four noise pictures look alike');
    await page.dragAndDrop('#image-0', '#image-2');
    await page.waitForFunction(() => document.getElementById('announcer').textContent !== '');
    assert.equal(await page.textContent('#announcer'), 'Image 000 moved to position 3 of 4.');
    const after = await thumbnails();
    for (const [at, was] of [[0, 1], [1, 2], [2, 0], [3, 3]])
      assert.ok(after[at].equals(before[was]), `position ${at + 1} shows what was at ${was + 1}`);
    await page.close();
  });
});
