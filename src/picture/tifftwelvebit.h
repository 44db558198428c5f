// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/rgbpicture.h"

#include <tiffio.h>

// Pages of 12-bit samples, as scanners and microscopes write them, which
// libtiff's RGBA reader leaves out (it takes 1, 2, 4, 8 and 16 bits).

// Whether the current page holds 12-bit unsigned samples of grey (one
// sample a pixel, black or white as zero) or of RGB (three), with no others.
bool IsTwelveBitGreyOrRgb(TIFF *tiff);

// The current page's pixels as stored, top row first, opaque: each sample
// widened to 16 bits, then taken to 8 as the RGBA reader takes 16-bit ones
// (grey by its high byte, colour rounded). `picture` has the page's size.
// False when a strip or tile does not decode.
bool ReadTwelveBitPixels(TIFF *tiff, RgbPicture &picture);
