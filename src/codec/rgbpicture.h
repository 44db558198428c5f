// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <cstddef>
#include <vector>

// A picture of any size on its way into an album, owned: every reader gives
// one and every conversion step takes one. Rows follow each other with no
// gap (the stride is the width); a pixel is one word 0xAARRGGBB with straight
// (not premultiplied) alpha, so an opaque picture is also an RGB32 bitmap.
struct RgbPicture
{
    int width = 0;
    int height = 0;
    bool hasAlpha = false; // false: every alpha byte is 0xFF
    std::vector<Rgb> pixels;

    RgbPicture() = default;
    // A picture of the given size, every pixel `fill`. The caller bounds the
    // size: nothing here checks it against a limit.
    RgbPicture(int pictureWidth, int pictureHeight, Rgb fill = 0xFFFFFFFFu, bool withAlpha = false)
        : width(pictureWidth)
        , height(pictureHeight)
        , hasAlpha(withAlpha)
        , pixels(static_cast<std::size_t>(pictureWidth) * static_cast<std::size_t>(pictureHeight), fill)
    {
    }

    bool isNull() const { return pixels.empty(); }
    std::ptrdiff_t stride() const { return width; }
    Rgb *row(int y) { return pixels.data() + static_cast<std::ptrdiff_t>(y) * width; }
    const Rgb *row(int y) const { return pixels.data() + static_cast<std::ptrdiff_t>(y) * width; }
    ImageView view() const { return {pixels.data(), width, height, width}; }
    bool operator==(const RgbPicture &) const = default;
};
