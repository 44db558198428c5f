// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The crop frame over the picture view: the square Crop keeps, in shares
// (0 .. 1) of the turned picture's width and height, as the core takes it.
// Dragged with the pointer, moved with the arrow keys, sized with the wheel,
// + and - or the slider. Until the user touches it, it shows the square the
// gravity keeps, and no square is asked for.

const ZoomStep = 0.9;
const SmallestShare = 0.01;
const ArrowStep = 0.05;

function clamp(value, low, high) {
  return Math.min(Math.max(value, low), high);
}

export class CropFrame {
  constructor() {
    this.size = null; // the turned picture's { width, height } in its own pixels
    this.square = null; // the user's square, or null for the gravity's
  }

  reset(size) {
    this.size = size;
    this.square = null;
  }

  // The square the gravity keeps.
  gravitySquare(gravity) {
    const { width, height } = this.size;
    const side = Math.min(width, height);
    const w = side / width;
    const h = side / height;
    const x = gravity.includes('west') ? 0 : gravity.includes('east') ? 1 - w : (1 - w) / 2;
    const y = gravity.startsWith('north') ? 0 : gravity.startsWith('south') ? 1 - h : (1 - h) / 2;
    return { x, y, w, h };
  }

  shown(gravity) {
    return this.square ?? this.gravitySquare(gravity);
  }

  // The side of the square as a share of the picture's shorter side.
  side(gravity) {
    const { width, height } = this.size;
    return (this.shown(gravity).w * width) / Math.min(width, height);
  }

  setSide(share, gravity) {
    const { width, height } = this.size;
    const pixels = clamp(share, SmallestShare, 1) * Math.min(width, height);
    const old = this.shown(gravity);
    const centre = { x: old.x + old.w / 2, y: old.y + old.h / 2 };
    const w = pixels / width;
    const h = pixels / height;
    this.square = { x: centre.x - w / 2, y: centre.y - h / 2, w, h };
    this.keepInside();
  }

  zoom(steps, gravity) {
    this.setSide(this.side(gravity) * ZoomStep ** steps, gravity);
  }

  moveBy(dx, dy, gravity) {
    const old = this.shown(gravity);
    this.square = { ...old, x: old.x + dx, y: old.y + dy };
    this.keepInside();
  }

  step(across, down, gravity) {
    const old = this.shown(gravity);
    this.moveBy(across * old.w * ArrowStep, down * old.h * ArrowStep, gravity);
  }

  keepInside() {
    const square = this.square;
    square.x = clamp(square.x, 0, Math.max(0, 1 - square.w));
    square.y = clamp(square.y, 0, Math.max(0, 1 - square.h));
  }

  // A quarter turn of the picture turns the square with it.
  turn(quarterTurns) {
    if (this.size) this.size = { width: this.size.height, height: this.size.width };
    const s = this.square;
    if (!s) return;
    this.square = quarterTurns > 0
      ? { x: 1 - (s.y + s.h), y: s.x, w: s.h, h: s.w }
      : { x: s.y, y: 1 - (s.x + s.w), w: s.h, h: s.w };
  }

  // The core's choice word for the square, when the user chose one.
  choice() {
    const s = this.square;
    if (!s) return '';
    const share = (value) => String(Math.round(value * 1e6) / 1e6);
    return `crop=${share(s.x)},${share(s.y)},${share(s.w)},${share(s.h)}`;
  }

  // Dims what is cut off and outlines the kept square in a dark and a light line.
  paint(context, width, height, gravity) {
    const s = this.shown(gravity);
    const x = s.x * width;
    const y = s.y * height;
    const w = s.w * width;
    const h = s.h * height;
    context.save();
    context.fillStyle = 'rgba(0, 0, 0, 0.43)';
    context.beginPath();
    context.rect(0, 0, width, height);
    context.rect(x, y, w, h);
    context.fill('evenodd');
    context.lineWidth = 2;
    context.strokeStyle = '#000';
    context.strokeRect(x, y, w, h);
    context.setLineDash([4, 4]);
    context.strokeStyle = '#fff';
    context.strokeRect(x, y, w, h);
    context.restore();
  }
}
