// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"
#include "codec/rgbpicture.h"
#include "conversion/conversionoptions.h"

// The second step of a picture's way into an album: placing it on the
// 92 x 92 square, in full colour, on white.

// A rectangle in pixels.
struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const PixelRect &) const = default;
};

// The part of a picture that is used and where it goes in the square.
struct Placement
{
    PixelRect source;
    PixelRect target;
};

// Where a (turned) picture of `width` x `height` goes, as the options' fit,
// gravity and crop square say.
Placement PlacementOf(int width, int height, const ConversionOptions &options);

// The part of a (turned) picture of `width` x `height` that PlaceOnSquare() uses.
PixelRect PlacementSource(int width, int height, const ConversionOptions &options);

// The picture placed as the options' fit, gravity and crop square say, on
// white, every pixel opaque; smoothed when the options smooth. The picture is
// turned already. An empty picture gives a white square.
AlbumBitmap PlaceOnSquare(const RgbPicture &turned, const ConversionOptions &options);

// The largest power-of-two reduction (at most the JPEG decoder's 1/8) that
// still leaves the part of a picture of `width` x `height` (before any turn)
// that the options show at least 92 pixels across.
int ReducedDecodeScale(int width, int height, const ConversionOptions &options);
