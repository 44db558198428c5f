// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's service worker: after one visit the page, its worker and its
// WebAssembly core come from the cache, so the page opens and works offline.
// web/server/precache.mjs writes the two constants below into the built
// site's copy: every file the site serves, and a version made from their
// contents, so a changed file gives a new cache and the old one is removed.
const PRECACHE_VERSION = 'unbuilt';
const PRECACHE_FILES = [];

const CACHE_PREFIX = 'valbum-page-';
const CACHE_NAME = CACHE_PREFIX + PRECACHE_VERSION;

self.addEventListener('install', (event) => {
  // All or nothing: a half-filled cache would leave the page broken offline.
  // No skipWaiting(): an open page keeps the version it started with until
  // it is closed, so its worker never mixes files of two versions.
  // Fetched past the browser's HTTP cache: a copy kept there from the last
  // version would otherwise go into the new version's cache.
  const requests = ['./', ...PRECACHE_FILES].map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE_NAME).then((cache) => cache.addAll(requests)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith(CACHE_PREFIX) && name !== CACHE_NAME) await caches.delete(name);
    }
    // The first visit is controlled at once, so it too works offline later.
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE_NAME);
    const cached = await cache.match(request, { ignoreSearch: true })
      ?? (request.mode === 'navigate' ? await cache.match('./') : undefined);
    if (cached) return cached;
    return fetch(request);
  })());
});
