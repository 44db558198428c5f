// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <algorithm>

// A pixel 0xAARRGGBB whose colours were multiplied by its alpha, with them
// divided back out: each rounded to the nearest, so that multiplying again
// (rounded to the nearest) gives back the same colours. A colour larger than
// its alpha, which no premultiplied pixel should hold, ends at 255.
inline Rgb StraightFromPremultiplied(Rgb pixel)
{
    const Rgb alpha = pixel >> 24;
    if (alpha == 255)
        return pixel;
    if (alpha == 0)
        return 0;
    const auto straight = [alpha](Rgb colour) { return std::min<Rgb>((colour * 255 + alpha / 2) / alpha, 255); };
    return (alpha << 24) | (straight((pixel >> 16) & 0xFF) << 16) | (straight((pixel >> 8) & 0xFF) << 8)
           | straight(pixel & 0xFF);
}
