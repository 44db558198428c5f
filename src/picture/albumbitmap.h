// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <QImage>

#include <cstdint>
#include <span>

// Where pictures meet the codec: QImage on one side, the codec's pixels on
// the other. An RGB32 QImage's scanlines are read in place, without a copy.

// The pixels of an RGB32 or ARGB32 image (any other format gives an empty view).
ImageView ViewOf(const QImage &rgb32);
// The image itself when ViewOf() can read it, else its RGB32 form.
QImage AsRgb32(const QImage &image);

// An album bitmap as a 92 x 92 RGB32 image.
QImage ToQImage(const AlbumBitmap &bitmap);

// A 92 x 92 image of any format as an album bitmap (RGB32 first if needed);
// white where the image is smaller.
AlbumBitmap AlbumBitmapOf(const QImage &albumImage);

// The codec over a QImage of any format, converted to RGB32 first if needed:
// EncodeImage(), DecodeImage() and DeviceView() of pixelcodec.h.
std::size_t EncodeImageOf(const QImage &bitmap, std::span<std::uint8_t> out);
// Sets every pixel of `bitmap`, which becomes a 92 x 92 RGB32 image if it is not one.
void DecodeImageInto(std::span<const std::uint8_t> packed, QImage &bitmap);
QImage DeviceViewOf(const QImage &albumImage);
