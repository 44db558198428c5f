// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"
#include "conversion/conversionoptions.h"

#include <vector>

// The third step of a picture's way into an album: its tone adjusted and its
// colours reduced to the seven device greys, with the chosen dither. Levels
// are decided with the codec's exact luminance and thresholds, so the result
// is what the device shows.

// Reduces `square` in place: afterwards every pixel is one of the seven
// colours the device shows. Brightness and contrast are clamped to their range.
void ReduceToGreys(AlbumBitmap &square, const ConversionOptions &options);

// The luminance of every pixel of `square`, row by row, adjusted by
// brightness and contrast as ReduceToGreys() adjusts it, in sixteenths of a
// grey step (0 .. 255 * 16).
std::vector<int> AdjustedLuminance(const AlbumBitmap &square, int brightness, int contrast);
