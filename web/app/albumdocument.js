// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The album being edited: its images in order (each with its record, or best
// fit's renderings, and the device's view of them), the password, where it
// came from and whether it has changed since. Every change counts up the
// generation, so a measurement made for an older album is known as stale.

let nextUid = 1;

export class AlbumDocument extends EventTarget {
  constructor() {
    super();
    this.entries = [];
    this.password = '';
    this.fileName = '';
    this.fileHandle = null;
    this.modified = false;
    this.selected = -1;
    this.generation = 0;
    this.layout = null; // the measured file of this generation, or null while measuring
    this.importing = false; // pictures are coming in: measure once they are all in
  }

  get count() {
    return this.entries.length;
  }

  get hasBestFit() {
    return this.entries.some((entry) => entry.kind === 'bestfit');
  }

  static entryOf(made) {
    return { uid: nextUid++, kind: made.kind, payload: made.payload ?? null, renderings: made.renderings ?? null, views: made.views };
  }

  changed(contentChanged = true) {
    if (contentChanged) {
      ++this.generation;
      this.layout = null;
    }
    this.dispatchEvent(new Event('change'));
  }

  select(index) {
    const clamped = this.count === 0 ? -1 : Math.max(0, Math.min(index, this.count - 1));
    if (clamped === this.selected) return;
    this.selected = clamped;
    this.dispatchEvent(new Event('select'));
  }

  // Pictures coming in one after another: the list shows each as it comes,
  // but measuring the album waits until the last is in, since each
  // measurement would be of an album about to change again.
  beginImport() {
    this.importing = true;
  }

  endImport() {
    this.importing = false;
    this.changed(false);
  }

  setModified(modified) {
    this.modified = modified;
    this.dispatchEvent(new Event('modified'));
  }

  // Puts `entry` at `position`, or at the end when position < 0.
  insert(position, entry) {
    const at = position < 0 ? this.count : position;
    this.entries.splice(at, 0, entry);
    this.selected = at;
    this.changed();
    return at;
  }

  remove(index) {
    if (index < 0 || index >= this.count) return;
    this.entries.splice(index, 1);
    let next = this.selected;
    if (next === this.count) --next;
    this.selected = next;
    this.changed();
  }

  // Moves the image at `from` to `to`, the others closing up; the selection follows it.
  move(from, to) {
    if (from === to || from < 0 || to < 0 || from >= this.count || to >= this.count) return false;
    const [entry] = this.entries.splice(from, 1);
    this.entries.splice(to, 0, entry);
    this.selected = to;
    this.changed();
    return true;
  }

  removeAll() {
    this.entries = [];
    this.selected = -1;
    this.changed();
  }

  setPassword(text) {
    if (text === this.password) return;
    this.password = text;
    this.changed();
  }

  setLayout(generation, layout) {
    if (generation !== this.generation) return;
    this.layout = layout;
    this.changed(false);
  }

  // Whether saving now would leave image `index` out; false while measuring.
  leavesOut(index) {
    const { layout } = this;
    if (!layout || index < 0 || index >= this.count) return false;
    return layout.ok ? index >= layout.imagesWritten : index === layout.failedImage;
  }

  // The device's view to show for image `index`: for best fit, that of the
  // rendering chosen for it (the plainest until one is chosen).
  viewOf(index) {
    const entry = this.entries[index];
    if (entry.kind !== 'bestfit') return entry.views[0];
    const step = this.layout?.chosenSteps?.[index] ?? -1;
    return (step >= 0 && entry.views[step]) || entry.views.find((view) => view) || null;
  }
}
