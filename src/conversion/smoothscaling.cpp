// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/smoothscaling.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The source pixels one target pixel is made of, with whole-number weights
// summing to the axis's denominator.
struct Taps
{
    int first = 0;
    std::vector<std::int64_t> weights;
};

struct AxisFilter
{
    std::vector<Taps> taps; // by target pixel
    std::int64_t denominator = 1;
};

// Target pixel i covers [i s, (i + 1) s) and source pixel j covers
// [j t, (j + 1) t), both in units of 1 / (s t) of the axis: the overlaps are
// whole numbers summing to s.
AxisFilter areaFilter(int source, int target)
{
    AxisFilter filter;
    filter.denominator = source;
    filter.taps.resize(static_cast<std::size_t>(target));
    for (int i = 0; i < target; ++i) {
        const std::int64_t from = std::int64_t{i} * source;
        const std::int64_t to = from + source;
        Taps &taps = filter.taps[static_cast<std::size_t>(i)];
        taps.first = static_cast<int>(from / target);
        for (std::int64_t j = taps.first; j * target < to; ++j) {
            const std::int64_t overlap = std::min(to, (j + 1) * target) - std::max(from, j * target);
            taps.weights.push_back(overlap);
        }
    }
    return filter;
}

// Target pixel i's centre lies at ((2 i + 1) s - t) / 2t source pixels,
// counted from the first source centre: the weights are that position's
// distance to the two neighbouring centres, in units of 1 / 2t.
AxisFilter bilinearFilter(int source, int target)
{
    AxisFilter filter;
    const std::int64_t unit = 2 * std::int64_t{target};
    filter.denominator = unit;
    filter.taps.resize(static_cast<std::size_t>(target));
    for (int i = 0; i < target; ++i) {
        const std::int64_t position = (2 * std::int64_t{i} + 1) * source - target;
        Taps &taps = filter.taps[static_cast<std::size_t>(i)];
        if (position < 0) {
            taps = {0, {unit}};
            continue;
        }
        const std::int64_t left = position / unit;
        const std::int64_t toRight = position % unit;
        if (left + 1 >= source)
            taps = {source - 1, {unit}};
        else
            taps = {static_cast<int>(left), {unit - toRight, toRight}};
    }
    return filter;
}

AxisFilter axisFilter(int source, int target)
{
    if (source > target)
        return areaFilter(source, target);
    if (source < target)
        return bilinearFilter(source, target);
    AxisFilter copy;
    copy.taps.resize(static_cast<std::size_t>(target));
    for (int i = 0; i < target; ++i)
        copy.taps[static_cast<std::size_t>(i)] = {i, {1}};
    return copy;
}

std::int64_t divideRounded(std::int64_t numerator, std::int64_t denominator)
{
    return (numerator + denominator / 2) / denominator;
}

} // namespace

void SmoothOnto(const RgbPicture &picture, AlbumBitmap &square, PixelRect target)
{
    if (picture.isNull() || target.isEmpty() || target.x < 0 || target.y < 0 || target.x + target.width > AlbumImageSide
        || target.y + target.height > AlbumImageSide)
        return;
    const AxisFilter across = axisFilter(picture.width, target.width);
    const AxisFilter down = axisFilter(picture.height, target.height);
    // Across first, every source row into the target's columns: three
    // channels a column, each at most 255 times the across denominator.
    const auto columns = static_cast<std::size_t>(target.width);
    std::vector<std::int64_t> rows(static_cast<std::size_t>(picture.height) * columns * 3);
    for (int y = 0; y < picture.height; ++y) {
        const Rgb *line = picture.row(y);
        std::int64_t *out = rows.data() + static_cast<std::size_t>(y) * columns * 3;
        for (std::size_t x = 0; x < columns; ++x) {
            const Taps &taps = across.taps[x];
            std::int64_t red = 0, green = 0, blue = 0;
            for (std::size_t k = 0; k < taps.weights.size(); ++k) {
                const Rgb pixel = line[static_cast<std::size_t>(taps.first) + k];
                red += ((pixel >> 16) & 0xFF) * taps.weights[k];
                green += ((pixel >> 8) & 0xFF) * taps.weights[k];
                blue += (pixel & 0xFF) * taps.weights[k];
            }
            out[3 * x] = red;
            out[3 * x + 1] = green;
            out[3 * x + 2] = blue;
        }
    }
    const std::int64_t total = across.denominator * down.denominator;
    for (int ty = 0; ty < target.height; ++ty) {
        const Taps &taps = down.taps[static_cast<std::size_t>(ty)];
        Rgb *line = square.pixels.data() + static_cast<std::size_t>(target.y + ty) * AlbumImageSide + target.x;
        for (std::size_t x = 0; x < columns; ++x) {
            std::int64_t sum[3] = {0, 0, 0};
            for (std::size_t k = 0; k < taps.weights.size(); ++k) {
                const std::int64_t *in = rows.data() + (static_cast<std::size_t>(taps.first) + k) * columns * 3 + 3 * x;
                for (int c = 0; c < 3; ++c)
                    sum[c] += in[c] * taps.weights[k];
            }
            line[x] = 0xFF000000u | static_cast<Rgb>(divideRounded(sum[0], total) << 16)
                      | static_cast<Rgb>(divideRounded(sum[1], total) << 8)
                      | static_cast<Rgb>(divideRounded(sum[2], total));
        }
    }
}
