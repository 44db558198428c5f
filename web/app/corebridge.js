// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the worker: each job is a promise. The worker runs them
// in order; should the core inside it break (an abort in WebAssembly), the
// jobs waiting are failed and a new worker is started for the next ones.

export class CoreBridge {
  // `module`: a promise of the compiled core (null to have the worker compile
  // it; it then hands the module to onCompiled).
  constructor(url, module = Promise.resolve(null)) {
    this.url = url;
    this.module = module;
    this.nextId = 1;
    this.waiting = new Map();
    this.start();
  }

  // How many jobs it has not answered yet.
  get pending() {
    return this.waiting.size;
  }

  start() {
    const worker = new Worker(this.url, { type: 'module' });
    this.worker = worker;
    this.module.then((module) => worker.postMessage({ module }), () => worker.postMessage({ module: null }));
    this.ready = new Promise((resolve, reject) => {
      this.readyCallbacks = { resolve, reject };
    });
    this.worker.onmessage = (event) => this.receive(event.data);
    this.worker.onerror = (event) => {
      event.preventDefault?.();
      this.fail(event.message || 'The picture core could not be started.');
    };
  }

  receive(message) {
    if ('compiled' in message) {
      this.onCompiled?.(message.compiled);
      return;
    }
    if ('ready' in message) {
      if (message.ready) this.readyCallbacks.resolve();
      else this.fail(message.error);
      return;
    }
    const pending = this.waiting.get(message.id);
    if (!pending) return;
    this.waiting.delete(message.id);
    if (message.error !== undefined) pending.reject(new Error(message.error));
    else pending.resolve(message.result);
    if (message.broken) this.restart(message.error);
  }

  fail(reason) {
    this.readyCallbacks.reject(new Error(reason));
    this.rejectAll(reason);
  }

  rejectAll(reason) {
    for (const pending of this.waiting.values()) pending.reject(new Error(reason));
    this.waiting.clear();
  }

  restart(reason) {
    this.worker.terminate();
    this.rejectAll(reason);
    this.start();
    this.ready.catch(() => {});
  }

  // Ends the worker for good, failing the jobs it has not answered.
  close() {
    this.worker.terminate();
    this.rejectAll('The picture core was closed.');
    this.ready.catch(() => {});
  }

  // Runs a job of the worker's; the ArrayBuffers in `transfer` move to it.
  run(type, args = {}, transfer = []) {
    const id = this.nextId++;
    return new Promise((resolve, reject) => {
      this.waiting.set(id, { resolve, reject });
      this.worker.postMessage({ id, type, args }, transfer);
    });
  }
}
