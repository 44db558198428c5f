// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What every browser test of the page shares: the built site served on the
// loopback interface, Debian's Chromium driven headless through
// playwright-core (no browser of its own), a save-picker stand-in that keeps
// the bytes the page writes, and screenshots decoded into pixels.
//
//   import { startSite } from '../support/browser.mjs';
//   const site = await startSite();             // server + browser
//   const { page, saved } = await site.openPage();
//   ... await saved() -> [{ name, bytes: Buffer }]
//   await site.close();

import { mkdtemp, rm } from 'node:fs/promises';
import { existsSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { PNG } from 'pngjs';
import { startServer } from '../../server/serve.mjs';

export const repositoryRoot = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../..');
export const siteRoot = process.env.VALBUM_WEB_SITE ?? path.join(repositoryRoot, 'build-web', 'site');
export const chromiumPath = process.env.VALBUM_CHROMIUM ?? '/usr/bin/chromium';

// Quiet and self-contained: nothing reaches past the loopback server.
export const chromiumArguments = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

export { startServer };

// Launches Chromium on a fresh profile folder of its own, removed on close.
// A persistent context keeps one profile per launch, so a service worker and
// its caches live across reloads within the test as they would for a user.
// `locale` ("de-DE") is the browser's language, as navigator.languages tells it.
export async function launchChromium({ viewport = { width: 1280, height: 900 }, locale } = {}) {
  if (!existsSync(chromiumPath)) throw new Error(`no Chromium at ${chromiumPath} (apt-get install chromium)`);
  const profile = await mkdtemp(path.join(os.tmpdir(), 'valbum-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: chromiumArguments,
    viewport,
    deviceScaleFactor: 1,
    ...(locale ? { locale } : {}),
  });
  return {
    context,
    async close() {
      await context.close().catch(() => {});
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// Runs in the page before its own scripts: a window.showSaveFilePicker that
// answers with a file handle whose writable stream keeps every byte written
// (positioned writes, truncate and seek included). Each closed stream is one
// saved file in window.__valbumSaved. Setting window.__valbumSaveCancel to
// true makes the next pick fail as a user's cancel does (AbortError).
export function saveFilePickerStub() {
  const saved = [];
  Object.defineProperty(window, '__valbumSaved', { value: saved });
  window.__valbumSaveCancel = false;
  const toBytes = async (data) => {
    if (typeof data === 'string') return new TextEncoder().encode(data);
    if (data instanceof Blob) return new Uint8Array(await data.arrayBuffer());
    if (data instanceof ArrayBuffer) return new Uint8Array(data.slice(0));
    if (ArrayBuffer.isView(data)) return new Uint8Array(data.buffer.slice(data.byteOffset, data.byteOffset + data.byteLength));
    throw new TypeError('unsupported data written');
  };
  window.showSaveFilePicker = async (options = {}) => {
    if (window.__valbumSaveCancel) {
      window.__valbumSaveCancel = false;
      throw new DOMException('The user aborted a request.', 'AbortError');
    }
    const name = options.suggestedName ?? 'untitled';
    return {
      kind: 'file',
      name,
      async createWritable() {
        let bytes = new Uint8Array(0);
        let position = 0;
        const writeAt = (chunk, at) => {
          const end = at + chunk.length;
          if (end > bytes.length) {
            const grown = new Uint8Array(end);
            grown.set(bytes);
            bytes = grown;
          }
          bytes.set(chunk, at);
          position = end;
        };
        return {
          async write(data) {
            if (data && typeof data === 'object' && 'type' in data && !(data instanceof Blob)) {
              if (data.type === 'seek') { position = data.position; return; }
              if (data.type === 'truncate') { bytes = bytes.slice(0, data.size); position = Math.min(position, data.size); return; }
              writeAt(await toBytes(data.data), data.position ?? position);
              return;
            }
            writeAt(await toBytes(data), position);
          },
          async seek(at) { position = at; },
          async truncate(size) { bytes = bytes.slice(0, size); },
          async close() {
            let binary = '';
            for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
            saved.push({ name, base64: btoa(binary) });
          },
          async abort() {},
        };
      },
    };
  };
}

// Opens url (the site's root by default) in a new tab with the save-picker
// stand-in. Page errors and console errors are collected in `errors`.
export async function openPage(context, url, { savePicker = true, waitForReady = true } = {}) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(`page error: ${error.message}`));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(`console: ${message.text()}`); });
  if (savePicker) await page.addInitScript(saveFilePickerStub);
  await page.goto(url);
  if (waitForReady) await waitForPageReady(page);
  return {
    page,
    errors,
    // Every file the page saved through the stand-in so far, in order.
    async saved() {
      const files = await page.evaluate(() => window.__valbumSaved ?? []);
      return files.map(({ name, base64 }) => ({ name, bytes: Buffer.from(base64, 'base64') }));
    },
  };
}

// Waits until the page's WebAssembly core has loaded (window.valbumPage.ready).
export async function waitForPageReady(page, timeout = 30000) {
  await page.waitForFunction(() => window.valbumPage && window.valbumPage.ready, null, { timeout });
  await page.evaluate(() => window.valbumPage.ready);
}

// The server on the built site plus one Chromium; close() ends both.
export async function startSite({ root = siteRoot, viewport, locale } = {}) {
  if (!existsSync(path.join(root, 'index.html'))) {
    throw new Error(`no built page in ${root}: run scripts/build-web.sh first`);
  }
  const server = await startServer({ root });
  let chromiumInstance;
  try {
    chromiumInstance = await launchChromium({ viewport, locale });
  } catch (error) {
    await server.close();
    throw error;
  }
  return {
    url: server.url,
    context: chromiumInstance.context,
    openPage: (options = {}) => openPage(chromiumInstance.context, options.url ?? server.url, options),
    async close() {
      await chromiumInstance.close();
      await server.close();
    },
  };
}

// A PNG (as page.screenshot() or locator.screenshot() returns) as RGBA
// pixels: { width, height, data } with data a Buffer of width*height*4.
export function decodePng(buffer) {
  const png = PNG.sync.read(buffer);
  return { width: png.width, height: png.height, data: png.data };
}

// The [r, g, b, a] of one pixel of decoded pixels.
export function pixelAt({ width, data }, x, y) {
  const at = (y * width + x) * 4;
  return [data[at], data[at + 1], data[at + 2], data[at + 3]];
}

// The screenshot of one element as decoded pixels.
export async function elementPixels(locator) {
  return decodePng(await locator.screenshot({ animations: 'disabled' }));
}
