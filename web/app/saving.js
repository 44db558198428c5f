// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing the album's bytes where the user wants them. Where the browser lets
// the page write files (File System Access), the file is written through a
// writable stream, which the browser commits only once closed: an interrupted
// save leaves the old album as it was. Elsewhere the album is downloaded.

import { AlbumFileType } from './texts.js';

const albumTypes = () => [{ description: AlbumFileType, accept: { 'application/octet-stream': ['.valbum'] } }];

export function canChoosePlace() {
  return typeof window.showSaveFilePicker === 'function';
}

// Asks where to save; null when the user cancels.
export async function choosePlace(suggestedName) {
  try {
    return await window.showSaveFilePicker({ suggestedName, types: albumTypes() });
  } catch (error) {
    if (error?.name === 'AbortError') return null;
    throw error;
  }
}

export async function writeToHandle(handle, bytes) {
  const writable = await handle.createWritable();
  try {
    await writable.write(bytes);
  } catch (error) {
    await writable.abort().catch(() => {});
    throw error;
  }
  await writable.close();
}

export function download(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}
