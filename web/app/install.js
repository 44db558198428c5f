// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What makes the page an installable, offline page: the service worker, the
// .valbum files the system opens with the installed page, and a link to the
// licences of the libraries compiled into it.

import { LicencesLinkText, translated } from './texts.js';

// The page's own module defines window.valbumPage; a launch can come before.
function pageApi() {
  if (window.valbumPage) return Promise.resolve(window.valbumPage);
  return new Promise((resolve) => {
    const look = () => (window.valbumPage ? resolve(window.valbumPage) : setTimeout(look, 20));
    look();
  });
}

if ('serviceWorker' in navigator && window.isSecureContext) {
  // A page without its service worker still works online: say why, go on.
  navigator.serviceWorker.register('sw.js').catch((error) => {
    console.warn(`The page will not work offline: ${error.message}`);
  });
}

// An installed page opened with album files (file_handlers in the manifest)
// opens the first, as Load Album... would.
if ('launchQueue' in window) {
  window.launchQueue.setConsumer(async (launchParams) => {
    const [handle] = launchParams.files ?? [];
    if (!handle) return;
    const page = await pageApi();
    await page.ready;
    await page.openAlbumFile(await handle.getFile());
  });
}

function addLicencesLink() {
  if (document.getElementById('licences-link')) return;
  const footer = document.querySelector('footer') ?? document.body.appendChild(document.createElement('footer'));
  const link = document.createElement('a');
  link.id = 'licences-link';
  link.href = 'licences.html';
  link.textContent = translated(LicencesLinkText);
  footer.append(link);
}

if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', addLicencesLink);
else addLicencesLink();
