// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"
#include "codec/rgbpicture.h"
#include "conversion/placement.h"

// Smoothing of our own, in whole numbers so every machine gives the same
// pixels. Each axis on its own: shrinking averages every source pixel by its
// exact overlap with the target pixel (area averaging); enlarging is
// bilinear, each target pixel's centre between the two nearest source
// centres, weighted by its exact distance to each (the edge pixels repeat
// outwards); an axis of equal length is copied.

// Scales the opaque `picture` (alpha ignored) over `target` of the square,
// which must lie inside it; the square's other pixels are left as they are.
void SmoothOnto(const RgbPicture &picture, AlbumBitmap &square, PixelRect target);
