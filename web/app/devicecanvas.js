// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing the core's RGBA pixels into canvases, one canvas pixel per pixel:
// the page scales them up by whole numbers with image-rendering: pixelated,
// so no grey appears that the device has not.

export const AlbumSide = 92;

export function drawPixels(canvas, pixels, width, height) {
  if (canvas.width !== width) canvas.width = width;
  if (canvas.height !== height) canvas.height = height;
  const context = canvas.getContext('2d');
  if (!pixels) {
    context.clearRect(0, 0, width, height);
    return;
  }
  const data = pixels instanceof Uint8ClampedArray ? pixels : new Uint8ClampedArray(pixels.buffer, pixels.byteOffset, pixels.length);
  context.putImageData(new ImageData(data, width, height), 0, 0);
}

export function drawDeviceView(canvas, pixels) {
  drawPixels(canvas, pixels, AlbumSide, AlbumSide);
}
