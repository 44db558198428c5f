// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The album's images as a listbox with rearrangeable options: arrows choose,
// Alt+Up and Alt+Down move the chosen image (announced in the live region),
// Delete deletes, and an image can be dragged to another place. An image
// saving would leave out is marked: a red frame and warning sign, dimmed,
// with the reason written out.

import { imageLabel, imageName, leftOutTooltip, LeftOutFull, LeftOutNotCompressible, movedAnnouncement } from './texts.js';
import { drawDeviceView } from './devicecanvas.js';

const DragType = 'application/x-valbum-image';

export class AlbumList {
  constructor(document, album, commands) {
    this.document = document;
    this.album = album;
    this.commands = commands;
    this.element = document.getElementById('album-list');
    this.announcer = document.getElementById('announcer');
    this.drawn = new Map(); // uid -> { option, canvas, view }
    album.addEventListener('change', () => this.render());
    album.addEventListener('select', () => this.showSelection());
    this.element.addEventListener('keydown', (event) => this.onKey(event));
    this.element.addEventListener('click', (event) => {
      const option = event.target.closest('[role="option"]');
      if (option) album.select(Number(option.dataset.index));
    });
    this.element.addEventListener('dragstart', (event) => this.onDragStart(event));
    this.element.addEventListener('dragover', (event) => this.onDragOver(event));
    this.element.addEventListener('drop', (event) => this.onDrop(event));
    this.render();
  }

  optionFor(entry) {
    let drawn = this.drawn.get(entry.uid);
    if (!drawn) {
      const option = this.document.createElement('div');
      option.setAttribute('role', 'option');
      option.draggable = true;
      option.className = 'image';
      const canvas = this.document.createElement('canvas');
      canvas.className = 'thumb';
      canvas.width = 92;
      canvas.height = 92;
      canvas.setAttribute('aria-hidden', 'true');
      const mark = this.document.createElement('span');
      mark.className = 'mark';
      mark.setAttribute('aria-hidden', 'true');
      const label = this.document.createElement('span');
      label.className = 'label';
      const reason = this.document.createElement('span');
      reason.className = 'reason';
      const frame = this.document.createElement('span');
      frame.className = 'frame';
      frame.append(canvas, mark);
      option.append(label, frame, reason);
      drawn = { option, canvas, label, reason, view: null };
      this.drawn.set(entry.uid, drawn);
    }
    return drawn;
  }

  render() {
    const { album } = this;
    const live = new Set();
    const options = [];
    album.entries.forEach((entry, index) => {
      live.add(entry.uid);
      const drawn = this.optionFor(entry);
      const view = album.viewOf(index);
      if (view !== drawn.view) {
        drawDeviceView(drawn.canvas, view);
        drawn.view = view;
      }
      const { option } = drawn;
      option.id = `image-${index}`;
      option.dataset.index = String(index);
      drawn.label.textContent = imageLabel(index);
      option.setAttribute('aria-label', imageName(index));
      const leftOut = album.leavesOut(index);
      option.classList.toggle('left-out', leftOut);
      if (leftOut) {
        const reason = album.layout.ok ? LeftOutFull : LeftOutNotCompressible;
        const text = leftOutTooltip(index, reason);
        option.title = text;
        option.setAttribute('aria-description', text);
        drawn.reason.textContent = reason;
      } else {
        option.removeAttribute('title');
        option.removeAttribute('aria-description');
        drawn.reason.textContent = '';
      }
      options.push(option);
    });
    for (const uid of [...this.drawn.keys()]) if (!live.has(uid)) this.drawn.delete(uid);
    // Only what moved is touched, so the focus and the scroll position stay.
    const children = this.element.children;
    options.forEach((option, index) => {
      if (children[index] !== option) this.element.insertBefore(option, children[index] ?? null);
    });
    while (this.element.children.length > options.length) this.element.lastElementChild.remove();
    this.showSelection();
  }

  showSelection() {
    const { selected } = this.album;
    for (const option of this.element.children) {
      const isSelected = Number(option.dataset.index) === selected;
      option.setAttribute('aria-selected', String(isSelected));
    }
    if (selected >= 0) {
      this.element.setAttribute('aria-activedescendant', `image-${selected}`);
      this.element.children[selected]?.scrollIntoView({ block: 'nearest' });
    } else {
      this.element.removeAttribute('aria-activedescendant');
    }
  }

  announce(text) {
    // Emptied first, so the same words twice are still read twice.
    this.announcer.textContent = '';
    requestAnimationFrame(() => {
      this.announcer.textContent = text;
    });
  }

  // Moves the image at `from` to `to` and says so.
  moveImage(from, to) {
    if (!this.album.move(from, to)) return;
    this.album.setModified(true);
    this.announce(movedAnnouncement(from, to + 1, this.album.count));
  }

  onKey(event) {
    const { album } = this;
    const last = album.count - 1;
    if (last < 0) return;
    const current = album.selected;
    let handled = true;
    if (event.altKey && event.key === 'ArrowUp') {
      if (current > 0) this.moveImage(current, current - 1);
    } else if (event.altKey && event.key === 'ArrowDown') {
      if (current >= 0 && current < last) this.moveImage(current, current + 1);
    } else if (event.key === 'ArrowUp') album.select(current < 0 ? 0 : current - 1);
    else if (event.key === 'ArrowDown') album.select(current + 1);
    else if (event.key === 'Home') album.select(0);
    else if (event.key === 'End') album.select(last);
    else if (event.key === 'Delete') this.commands.deleteImage();
    else handled = false;
    if (handled) event.preventDefault();
  }

  onDragStart(event) {
    const option = event.target.closest?.('[role="option"]');
    if (!option) return;
    event.dataTransfer.setData(DragType, option.dataset.index);
    event.dataTransfer.effectAllowed = 'move';
    this.album.select(Number(option.dataset.index));
  }

  onDragOver(event) {
    if (!event.dataTransfer.types.includes(DragType)) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = 'move';
  }

  onDrop(event) {
    if (!event.dataTransfer.types.includes(DragType)) return;
    event.preventDefault();
    event.stopPropagation();
    const from = Number(event.dataTransfer.getData(DragType));
    const option = event.target.closest?.('[role="option"]');
    const to = option ? Number(option.dataset.index) : this.album.count - 1;
    this.moveImage(from, to);
  }
}
