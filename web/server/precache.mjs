#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the precache list and version into a built site's sw.js:
//   node web/server/precache.mjs [SITE]      (default build-web/site)
// The list is every file the site serves but the service worker itself and
// what is there only for development (the server, the tests, licence
// annotations); the version is a hash of their names and contents, so any
// change gives a new cache. Running it again on the same files changes
// nothing.

import { createHash } from 'node:crypto';
import { readdir, readFile, writeFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const developmentOnly = [/^server\//, /^tests\//, /\.license$/, /^sw\.js$/, /(^|\/)\./];

// The site's files to precache, as relative URLs, sorted.
export async function precacheFiles(site) {
  const entries = await readdir(site, { recursive: true, withFileTypes: true });
  return entries
    .filter((entry) => entry.isFile())
    .map((entry) => path.relative(site, path.join(entry.parentPath ?? entry.path, entry.name)).split(path.sep).join('/'))
    .filter((file) => !developmentOnly.some((pattern) => pattern.test(file)))
    .sort();
}

export async function stampServiceWorker(site) {
  const files = await precacheFiles(site);
  const hash = createHash('sha256');
  for (const file of files) {
    hash.update(`${file}\0`);
    hash.update(await readFile(path.join(site, file)));
  }
  const worker = path.join(site, 'sw.js');
  const source = await readFile(worker, 'utf8');
  const versionLine = /^const PRECACHE_VERSION = .*;$/m;
  const filesLine = /^const PRECACHE_FILES = .*;$/m;
  if (!versionLine.test(source) || !filesLine.test(source)) {
    throw new Error(`${worker} has no PRECACHE_VERSION / PRECACHE_FILES line to fill in`);
  }
  // The service worker's own code counts too (without the two lines filled
  // in here): a new one must not refill the cache an open page still uses.
  hash.update('sw.js\0');
  hash.update(source.replace(versionLine, '').replace(filesLine, ''));
  const version = hash.digest('hex').slice(0, 16);
  const stamped = source
    .replace(versionLine, `const PRECACHE_VERSION = ${JSON.stringify(version)};`)
    .replace(filesLine, `const PRECACHE_FILES = ${JSON.stringify(files)};`);
  if (stamped !== source) await writeFile(worker, stamped);
  return { version, files };
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const site = path.resolve(process.argv[2] ?? path.join(path.dirname(fileURLToPath(import.meta.url)), '../../build-web/site'));
  try {
    const { version, files } = await stampServiceWorker(site);
    console.log(`precache: ${files.length} files, version ${version}`);
  } catch (error) {
    console.error(`precache: ${error.message}`);
    process.exit(1);
  }
}
