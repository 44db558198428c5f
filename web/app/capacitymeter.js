// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the album measured: after each burst of changes the worker lays the
// album out as saving would (best fit's choice included), and the document
// takes the result if it is still the album's. Saving waits for the layout of
// the album as it is, and writes those very bytes.

export class CapacityMeter {
  constructor(album, bridge) {
    this.album = album;
    this.bridge = bridge;
    this.scheduled = false;
    this.waiters = [];
    album.addEventListener('change', () => {
      if (!album.layout && !album.importing) this.schedule();
    });
    this.schedule();
  }

  schedule() {
    if (this.scheduled) return;
    this.scheduled = true;
    queueMicrotask(() => {
      this.scheduled = false;
      this.measure();
    });
  }

  measure() {
    const { album } = this;
    const generation = album.generation;
    const entries = album.entries.map(({ kind, payload, renderings }) =>
      kind === 'fixed' ? { kind, payload } : { kind, renderings: renderings.map(({ ok, look, payload: bytes }) => ({ ok, look, payload: bytes })) });
    this.bridge.ready
      .then(() => this.bridge.run('layout', { entries, password: album.password }))
      .then((result) => {
        if (result.superseded) return;
        album.setLayout(generation, result);
        if (album.layout) this.wake();
      })
      .catch((error) => {
        if (generation === album.generation) this.wake(error);
      });
  }

  // Whoever waits gets the album as it is now, even if it changed while they waited.
  wake(error) {
    const { waiters } = this;
    this.waiters = [];
    for (const waiter of waiters) {
      if (error) waiter.reject(error);
      else waiter.resolve(this.album.layout);
    }
  }

  // The layout of the album as it is now, once measured.
  settled() {
    if (this.album.layout) return Promise.resolve(this.album.layout);
    return new Promise((resolve, reject) => {
      this.waiters.push({ resolve, reject });
      this.schedule();
    });
  }
}
