// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/nearestsampling.h"

#include <cstdint>

std::array<int, AlbumImageSide> NearestPicks(const AxisSpan &span)
{
    std::array<int, AlbumImageSide> picks{};
    picks.fill(NoPick);
    if (span.sourceLength <= 0 || span.targetLength <= 0 || span.pictureLength <= 0)
        return picks;
    // 16.16 fixed point, as the painter that made the albums so far steps
    // through the source: a step of floor(2^16 source / target), starting at
    // the first target pixel's centre rounded up, less one. Every value is a
    // whole number of 2^-16 pixels, computed exactly.
    const std::int64_t source = span.sourceLength;
    const std::int64_t target = span.targetLength;
    const std::int64_t step = (std::int64_t{1} << 16) * source / target;
    const std::int64_t halfStep = ((std::int64_t{1} << 15) * source + target - 1) / target;
    const std::int64_t start = (std::int64_t{span.sourceStart} << 16) + halfStep - 1;
    int count = span.targetLength;
    // The last pick may land one past the picture's end; that pixel is then
    // not drawn at all.
    if (((start + step * (count - 1)) >> 16) >= span.pictureLength)
        --count;
    for (int i = 0; i < count; ++i) {
        const int at = span.targetStart + i;
        if (at < 0 || at >= AlbumImageSide)
            continue;
        picks[static_cast<std::size_t>(at)] = static_cast<int>((start + step * i) >> 16);
    }
    return picks;
}
