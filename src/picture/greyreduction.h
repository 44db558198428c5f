// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/conversionoptions.h"

#include <QImage>

#include <vector>

// The third step of a picture's way into an album: its tone adjusted and its
// colours reduced to the seven device greys, with the chosen dither. Levels
// are decided with the codec's exact luminance and thresholds, so the result
// is what the device shows.

// Reduces the 92 x 92 RGB32 `square` in place: afterwards every pixel is one
// of the seven colours the device shows. Brightness and contrast are clamped
// to their range.
void ReduceToGreys(QImage &square, const ConversionOptions &options);

// The luminance of every pixel of the 92 x 92 `square`, row by row, adjusted
// by brightness and contrast as ReduceToGreys() adjusts it, in sixteenths of
// a grey step (0 .. 255 * 16).
std::vector<int> AdjustedLuminance(const QImage &square, int brightness, int contrast);
