// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in Debian's Firefox ESR, driven over WebDriver BiDi: a picture
// brought in and the album saved give the bytes `valbum create` writes for
// the same picture.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { siteRoot, startServer, saveFilePickerStub } from '../support/browser.mjs';

const firefox = process.env.VALBUM_FIREFOX ?? '/usr/bin/firefox-esr';
const valbum = process.env.VALBUM;

let server;
let browser;
before(async () => {
  server = await startServer({ root: siteRoot });
  browser = await puppeteer.launch({ browser: 'firefox', protocol: 'webDriverBiDi', executablePath: firefox, headless: true });
});
after(async () => {
  await browser?.close();
  await server?.close();
});

// Waits until `condition` holds in the page (polled: a returned promise is
// not taken as an answer).
async function until(page, condition, timeout = 30000) {
  const end = Date.now() + timeout;
  while (!(await page.evaluate(condition))) {
    if (Date.now() > end) throw new Error(`timed out waiting for ${condition}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

test('Firefox: a picture in and the album saved give valbum create\'s bytes', { skip: !valbum && 'VALBUM (the native valbum) is not set' }, async () => {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(saveFilePickerStub);
  await page.goto(server.url);
  await until(page, () => document.body.classList.contains('ready'));
  const png = await page.evaluate(async () => {
    const canvas = new OffscreenCanvas(120, 80);
    const context = canvas.getContext('2d');
    for (let x = 0; x < 120; x += 10) {
      context.fillStyle = `rgb(${x * 2},${x * 2},${x * 2})`;
      context.fillRect(x, 0, 10, 80);
    }
    const bytes = new Uint8Array(await (await canvas.convertToBlob({ type: 'image/png' })).arrayBuffer());
    window.__picture = new File([bytes], 'stripes.png', { type: 'image/png' });
    return Array.from(bytes);
  });
  await page.evaluate(() => window.valbumPage.addPictureFiles([window.__picture]));
  await page.click('#save-album');
  await until(page, () => window.__valbumSaved.length === 1);
  const saved = Buffer.from(await page.evaluate(() => window.__valbumSaved[0].base64), 'base64');

  const work = mkdtempSync(path.join(os.tmpdir(), 'valbum-firefox-'));
  writeFileSync(path.join(work, 'stripes.png'), Buffer.from(png));
  execFileSync(valbum, ['create', '--force', path.join(work, 'native.valbum'), path.join(work, 'stripes.png')]);
  assert.ok(saved.equals(readFileSync(path.join(work, 'native.valbum'))), 'the album Firefox saved differs from valbum create\'s');
  await page.close();
});
