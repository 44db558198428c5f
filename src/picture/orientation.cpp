// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/orientation.h"

#include <algorithm>

namespace {

void MirrorLeftToRight(RgbPicture &picture)
{
    for (int y = 0; y < picture.height; ++y)
        std::reverse(picture.row(y), picture.row(y) + picture.width);
}

void MirrorTopToBottom(RgbPicture &picture)
{
    for (int top = 0, bottom = picture.height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(picture.row(top), picture.row(top) + picture.width, picture.row(bottom));
}

// Each output pixel (x, y) of the picture turned, whose width is the
// source's height: `clockwise` takes it from the source's (y, h - 1 - x),
// anticlockwise from (w - 1 - y, x).
RgbPicture QuarterTurned(const RgbPicture &source, bool clockwise)
{
    RgbPicture turned(source.height, source.width, 0, source.hasAlpha);
    for (int y = 0; y < turned.height; ++y) {
        Rgb *out = turned.row(y);
        for (int x = 0; x < turned.width; ++x)
            out[x] = clockwise ? source.row(source.height - 1 - x)[y] : source.row(x)[source.width - 1 - y];
    }
    return turned;
}

} // namespace

RgbPicture OrientedPicture(RgbPicture picture, int orientation)
{
    if (picture.isNull())
        return picture;
    switch (orientation) {
    case 2:
        MirrorLeftToRight(picture);
        return picture;
    case 3:
        MirrorLeftToRight(picture);
        MirrorTopToBottom(picture);
        return picture;
    case 4:
        MirrorTopToBottom(picture);
        return picture;
    case 5:
        MirrorTopToBottom(picture);
        return QuarterTurned(picture, true);
    case 6:
        return QuarterTurned(picture, true);
    case 7:
        MirrorLeftToRight(picture);
        return QuarterTurned(picture, true);
    case 8:
        return QuarterTurned(picture, false);
    default:
        return picture;
    }
}
