#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A static file server for the page, on the loopback interface only, with
// no dependency beyond Node. Workers, the service worker and streaming
// WebAssembly compilation need http:// (not file://) and the right types.
//   node web/server/serve.mjs [--root DIR] [--port N] [--host 127.0.0.1]
// Port 0 (the default) takes a free port. Prints "serving http://HOST:PORT/".

import { createServer } from 'node:http';
import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json; charset=utf-8',
  '.webmanifest': 'application/manifest+json; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon',
  '.txt': 'text/plain; charset=utf-8',
  '.valbum': 'application/x-valbum',
};

export function contentType(file) {
  return types[path.extname(file).toLowerCase()] ?? 'application/octet-stream';
}

// The service worker and the page's entry points must be looked at again on
// every visit, or a new version would never reach the browser; the rest is
// versioned by the service worker's cache, so a short lifetime is enough.
function cacheControl(relative) {
  if (relative === 'sw.js' || relative === 'index.html' || relative.endsWith('.webmanifest')) return 'no-cache';
  return 'public, max-age=300';
}

// Maps a URL path to a file under root, or null when it would leave root.
export function resolveUnder(root, urlPath) {
  let decoded;
  try {
    decoded = decodeURIComponent(urlPath.split('?')[0].split('#')[0]);
  } catch {
    return null;
  }
  if (decoded.includes('\0')) return null;
  const relative = path.posix.normalize('/' + decoded).slice(1);
  const file = path.resolve(root, relative === '' ? 'index.html' : relative);
  if (file !== root && !file.startsWith(root + path.sep)) return null;
  return file;
}

export function startServer({ root, port = 0, host = '127.0.0.1' } = {}) {
  const base = path.resolve(root);
  const server = createServer(async (request, response) => {
    const send = (status, text) => {
      response.writeHead(status, { 'Content-Type': 'text/plain; charset=utf-8', 'Cache-Control': 'no-store' });
      response.end(request.method === 'HEAD' ? undefined : text);
    };
    if (request.method !== 'GET' && request.method !== 'HEAD') return send(405, 'Method not allowed\n');
    let file = resolveUnder(base, new URL(request.url, 'http://localhost').pathname);
    if (!file) return send(404, 'Not found\n');
    try {
      let info = await stat(file);
      if (info.isDirectory()) {
        file = path.join(file, 'index.html');
        info = await stat(file);
      }
      if (!info.isFile()) return send(404, 'Not found\n');
      response.writeHead(200, {
        'Content-Type': contentType(file),
        'Content-Length': info.size,
        'Cache-Control': cacheControl(path.relative(base, file).split(path.sep).join('/')),
        'X-Content-Type-Options': 'nosniff',
      });
      if (request.method === 'HEAD') return response.end();
      createReadStream(file).on('error', () => response.destroy()).pipe(response);
    } catch {
      send(404, 'Not found\n');
    }
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => {
      const address = server.address();
      resolve({ server, url: `http://${host}:${address.port}/`, close: () => new Promise((done) => server.close(done)) });
    });
  });
}

function parseArguments(argv) {
  const options = { root: null, port: 0, host: '127.0.0.1' };
  for (let i = 0; i < argv.length; i++) {
    const value = argv[i + 1];
    if (argv[i] === '--root' && value) options.root = value, i++;
    else if (argv[i] === '--port' && /^\d+$/.test(value ?? '')) options.port = Number(value), i++;
    else if (argv[i] === '--host' && value) options.host = value, i++;
    else throw new Error(`unknown argument: ${argv[i]}`);
  }
  return options;
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  try {
    const options = parseArguments(process.argv.slice(2));
    options.root ??= path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../build-web/site');
    const { url } = await startServer(options);
    console.log(`serving ${url}`);
  } catch (error) {
    console.error(`serve: ${error.message}`);
    process.exit(1);
  }
}
