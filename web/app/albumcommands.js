// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Load, append, save and save as, with the desktop editor's rules: only a
// real album replaces the open one; a damaged one opens with the images
// before the damage and says so; saving writes the album as the capacity
// line shows it, and says which images did not fit.

import * as texts from './texts.js';
import { AlbumDocument } from './albumdocument.js';
import { canChoosePlace, choosePlace, download, writeToHandle } from './saving.js';

// A File, or a FileSystemFileHandle (as the launch queue hands them over).
async function fileOf(source) {
  if (typeof source?.getFile === 'function') return { file: await source.getFile(), handle: source };
  return { file: source, handle: null };
}

export class AlbumCommands {
  constructor(album, bridge, meter, messages) {
    this.album = album;
    this.bridge = bridge;
    this.meter = meter;
    this.messages = messages;
  }

  confirmDiscard() {
    if (!this.album.modified) return Promise.resolve(true);
    return this.messages.ask(texts.AlbumEditorCaption, texts.DiscardQuestion);
  }

  async read(file) {
    const bytes = await file.arrayBuffer();
    await this.bridge.ready;
    return this.bridge.run('readAlbum', { file: bytes }, [bytes]);
  }

  async readOrSay(source) {
    let opened;
    try {
      opened = await fileOf(source);
      const contents = await this.read(opened.file);
      if (contents.outcome !== 'Read') {
        await this.messages.tell('critical', texts.NotAnAlbumCaption, texts.NotAnAlbumMessage);
        return null;
      }
      return { ...opened, contents };
    } catch (error) {
      const name = opened?.file?.name ?? source?.name ?? '';
      await this.messages.tell('critical', this.titleText(), texts.withClosingPeriod(texts.cannotOpenMessage(name, error.message ?? error)));
      return null;
    }
  }

  titleText() {
    return texts.windowTitle(this.album.modified, this.album.fileName);
  }

  apply({ file, handle, contents }) {
    const { album } = this;
    album.password = contents.password;
    for (const made of contents.entries) album.entries.push(AlbumDocument.entryOf(made));
    album.fileName = file.name;
    album.fileHandle = handle;
    if (album.entries.length > 0 && album.selected < 0) album.selected = 0;
    album.changed();
    this.passwordShown?.();
  }

  damageWarning({ file, contents }) {
    if (contents.stop === 'None' || !contents.stop) return Promise.resolve();
    return this.messages.tell('warning', texts.AlbumEditorCaption,
      texts.damagedAlbumMessage(file.name, contents.entries.length, contents.stop));
  }

  // Opens an album in place of the one shown, asking first when that one has unsaved changes.
  async openAlbumFile(source, { askFirst = true } = {}) {
    if (askFirst && !(await this.confirmDiscard())) return false;
    const read = await this.readOrSay(source);
    if (!read) return false;
    this.album.entries = [];
    this.album.selected = -1;
    this.apply(read);
    this.album.setModified(false);
    await this.damageWarning(read);
    return true;
  }

  // Adds another album's images after the ones shown; its password and name become the album's.
  async appendAlbumFile(source) {
    const read = await this.readOrSay(source);
    if (!read) return false;
    this.apply(read);
    this.album.setModified(true);
    await this.damageWarning(read);
    return true;
  }

  async save() {
    const { album } = this;
    if (album.fileHandle) return this.saveTo({ handle: album.fileHandle, name: album.fileName });
    if (!canChoosePlace()) return this.saveTo({ handle: null, name: album.fileName || texts.DefaultAlbumName });
    return this.saveAs();
  }

  async saveAs() {
    const suggested = this.album.fileName || texts.DefaultAlbumName;
    if (!canChoosePlace()) return this.saveTo({ handle: null, name: suggested });
    let handle;
    try {
      handle = await choosePlace(suggested);
    } catch (error) {
      await this.messages.tell('critical', texts.AlbumEditorCaption, texts.cannotSaveMessage(suggested, error.message ?? error));
      return false;
    }
    if (!handle) return false;
    return this.saveTo({ handle, name: handle.name });
  }

  async saveTo({ handle, name }) {
    const { album } = this;
    let layout;
    try {
      layout = await this.meter.settled();
      if (!layout.ok) {
        await this.messages.tell('critical', texts.AlbumEditorCaption,
          texts.cannotSaveMessage(name, texts.writeFailureReason(layout.failure, layout.failedImage)));
        return false;
      }
      if (handle) await writeToHandle(handle, layout.bytes);
      else download(name, layout.bytes);
    } catch (error) {
      await this.messages.tell('critical', texts.AlbumEditorCaption, texts.cannotSaveMessage(name, error.message ?? error));
      return false;
    }
    album.fileName = name;
    album.fileHandle = handle;
    const leftOut = layout.imageCount - layout.imagesWritten;
    if (leftOut > 0) {
      // The left-out images exist only here; keep them guarded.
      album.setModified(true);
      await this.messages.tell('warning', texts.AlbumEditorCaption,
        texts.albumFullMessage(leftOut, layout.imageCount, layout.imagesWritten));
      return true;
    }
    album.setModified(false);
    return true;
  }
}
