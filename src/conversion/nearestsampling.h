// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <array>

// Which source pixel each square pixel shows when a picture is placed
// without smoothing, one axis at a time (the picks across do not depend on
// the picks down).

// One axis of a placement: `sourceLength` pixels from `sourceStart` of a
// picture `pictureLength` long go over `targetLength` square pixels from
// `targetStart`.
struct AxisSpan
{
    int pictureLength = 0;
    int sourceStart = 0;
    int sourceLength = 0;
    int targetStart = 0;
    int targetLength = 0;
};

inline constexpr int NoPick = -1; // the square pixel keeps its white

// The source index each of the square's 92 pixels shows along the axis, or
// NoPick outside the target and where the last target pixel's pick would
// fall past the picture's end.
std::array<int, AlbumImageSide> NearestPicks(const AxisSpan &span);
