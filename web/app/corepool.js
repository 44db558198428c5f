// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's picture cores. One worker does every job (the album's, the
// picture dialog's preview); while several pictures come in, a few more
// bring some of them in beside it, and are closed once the last is in, so
// the memory a picture took goes with them. They start from the module the
// first compiled, so the core is compiled once, its faster code is shared,
// and a new worker is ready in milliseconds.

import { CoreBridge } from './corebridge.js';

// More workers than this gain little: the pictures' bytes and results still
// pass through the page one by one.
const MaxWorkers = 4;

// A file this large is a photo of about 25 megapixels or more, which takes
// hundreds of megabytes while it comes in: such files come in on the first
// worker only, one at a time, as valbum brings them in.
export const LargePictureBytes = 8 * 1024 * 1024;

const PicturesPerWorker = 2;

// How many workers bring pictures in: one a processor but one, left to the
// page so that its thread stays responsive (on two processors, two busy
// workers held the page's tasks past 50 ms), at most MaxWorkers;
// `?workers=N` in the page's address sets it.
export function workerCount(location, processors) {
  const asked = Number.parseInt(new URLSearchParams(location.search).get('workers') ?? '', 10);
  const count = Number.isInteger(asked) && asked > 0 ? asked : (processors || 1) - 1;
  return Math.max(1, Math.min(count, MaxWorkers));
}

export class CorePool {
  constructor(workerUrl, size) {
    this.workerUrl = workerUrl;
    this.size = size;
    this.first = new CoreBridge(workerUrl);
    // The others start from the module the first compiled.
    this.module = new Promise((resolve) => {
      this.first.onCompiled = resolve;
    });
    this.helpers = [];
    this.waiting = []; // pictures no worker has taken yet, in order
  }

  get ready() {
    return this.first.ready;
  }

  // A job of the first worker's.
  run(type, args = {}, transfer = []) {
    return this.first.run(type, args, transfer);
  }

  // Starts helpers for `count` pictures about to come in.
  beginPictures(count) {
    const wanted = Math.min(this.size, count) - 1;
    while (this.helpers.length < wanted) {
      const helper = new CoreBridge(this.workerUrl, this.module);
      helper.ready.then(() => {
        helper.isReady = true;
        this.dispatch();
      }, () => {});
      this.helpers.push(helper);
    }
  }

  // Closes the helpers once the pictures are in.
  endPictures() {
    for (const helper of this.helpers) helper.close();
    this.helpers = [];
  }

  // Brings one picture in: on whichever worker is free first, or on the
  // first worker only when `firstOnly` (a large file, or the one the dialog
  // holds). Answers come in the order the workers finish; the caller keeps
  // the album's order.
  addPicture(args, transfer, firstOnly) {
    return new Promise((resolve, reject) => {
      this.waiting.push({ args, transfer, firstOnly, resolve, reject });
      this.dispatch();
    });
  }

  // Hands waiting pictures to workers with room: each holds one it works on
  // and one to start next, so it never waits for the page between two.
  dispatch() {
    const workers = [this.first, ...this.helpers.filter((helper) => helper.isReady)];
    for (let index = 0; index < this.waiting.length;) {
      const job = this.waiting[index];
      let chosen = null;
      for (const worker of job.firstOnly ? [this.first] : workers) {
        if (worker.pending < PicturesPerWorker && (!chosen || worker.pending < chosen.pending)) chosen = worker;
      }
      if (!chosen) {
        ++index;
        continue;
      }
      this.waiting.splice(index, 1);
      chosen.run('addPicture', job.args, job.transfer).then(job.resolve, job.reject).finally(() => this.dispatch());
    }
  }
}
