// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Add, insert, delete, move up and move down. Pictures come in in the order
// chosen, each converted by the worker; those that cannot be read are named
// together in one message, and the others still come in.

import * as texts from './texts.js';
import { AlbumDocument } from './albumdocument.js';
import { LargePictureBytes } from './corepool.js';

// How many pictures' bytes are read, for each worker, ahead of the one the
// album takes next: enough to keep the workers busy past a slow picture, few
// enough to keep memory low.
const PicturesAhead = 2;

export class ImageCommands {
  constructor(album, bridge, messages) {
    this.album = album;
    this.bridge = bridge;
    this.messages = messages;
  }

  // Brings `files` in with `choices`, at `position` (before the image there)
  // or at the end when position < 0. Resolves with how many came in.
  async addPictures(files, { choices, bestFit, previewKey = 0, keyOf = () => -1 }, position = -1) {
    await this.bridge.ready;
    const { album } = this;
    const failures = [];
    let imported = 0;
    let at = position;
    const start = async (file) => {
      const key = keyOf(file);
      const held = key === previewKey && key > 0;
      const bytes = held ? new ArrayBuffer(0) : await file.arrayBuffer();
      return this.bridge.addPicture({ file: bytes, key, choices, bestFit }, [bytes], held || file.size > LargePictureBytes);
    };
    const running = [];
    let next = 0;
    const inFlight = (PicturesAhead + 1) * this.bridge.size;
    const topUp = () => {
      while (next < files.length && running.length < inFlight) running.push(start(files[next++]));
    };
    this.bridge.beginPictures(files.length);
    topUp();
    album.beginImport();
    try {
      for (const file of files) {
        let result;
        try {
          result = await running.shift();
        } catch (error) {
          result = { problem: { kind: 'Unreadable', detail: String(error.message ?? error) } };
        }
        topUp();
        if (result.problem) {
          failures.push(texts.cannotImportMessage(file.name, texts.pictureProblemText(result.problem)));
          continue;
        }
        const entry = AlbumDocument.entryOf(result.entry);
        if (at < 0) album.insert(-1, entry);
        else album.insert(at++, entry);
        album.setModified(true);
        ++imported;
      }
    } finally {
      album.endImport();
      this.bridge.endPictures();
    }
    this.bridge.run('previewClose').catch(() => {});
    if (failures.length > 0) await this.messages.tell('critical', texts.AlbumEditorCaption, failures.join('\n'));
    return imported;
  }

  deleteImage() {
    const { album } = this;
    if (album.selected < 0) return;
    album.remove(album.selected);
    album.setModified(true);
  }

  moveUp(list) {
    const { selected } = this.album;
    if (selected >= 1) list.moveImage(selected, selected - 1);
  }

  moveDown(list) {
    const { selected, count } = this.album;
    if (selected >= 0 && selected < count - 1) list.moveImage(selected, selected + 1);
  }
}
