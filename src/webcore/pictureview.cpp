// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webcore/pictureview.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Where each target column (or row) starts in the source: target i covers
// source [edges[i], edges[i + 1]), never empty as the target is no larger.
std::vector<int> Edges(int source, int target)
{
    std::vector<int> edges(static_cast<std::size_t>(target) + 1);
    for (int index = 0; index <= target; ++index)
        edges[static_cast<std::size_t>(index)] = static_cast<int>(static_cast<std::int64_t>(index) * source / target);
    return edges;
}

} // namespace

RgbPicture ShrunkToFit(const RgbPicture &picture, int maxSide)
{
    maxSide = std::max(maxSide, 1);
    const int longest = std::max(picture.width, picture.height);
    if (picture.isNull() || longest <= maxSide)
        return picture;
    const auto scaled = [&](int side) {
        return std::max(1, static_cast<int>((static_cast<std::int64_t>(side) * maxSide + longest / 2) / longest));
    };
    RgbPicture view(scaled(picture.width), scaled(picture.height), 0xFFFFFFFFu, picture.hasAlpha);
    const std::vector<int> columns = Edges(picture.width, view.width);
    const std::vector<int> rows = Edges(picture.height, view.height);
    // One row of sums a target row at a time: a 120-megapixel picture needs
    // nothing beside it but this.
    struct Sums
    {
        std::uint64_t red = 0, green = 0, blue = 0, alpha = 0, count = 0;
    };
    std::vector<Sums> sums(static_cast<std::size_t>(view.width));
    for (int y = 0; y < view.height; ++y) {
        std::fill(sums.begin(), sums.end(), Sums{});
        for (int sourceY = rows[static_cast<std::size_t>(y)]; sourceY < rows[static_cast<std::size_t>(y) + 1];
             ++sourceY) {
            const Rgb *line = picture.row(sourceY);
            for (int x = 0; x < view.width; ++x) {
                Sums &sum = sums[static_cast<std::size_t>(x)];
                for (int sourceX = columns[static_cast<std::size_t>(x)];
                     sourceX < columns[static_cast<std::size_t>(x) + 1]; ++sourceX) {
                    const Rgb pixel = line[sourceX];
                    const std::uint64_t alpha = pixel >> 24;
                    sum.red += alpha * ((pixel >> 16) & 0xFF);
                    sum.green += alpha * ((pixel >> 8) & 0xFF);
                    sum.blue += alpha * (pixel & 0xFF);
                    sum.alpha += alpha;
                    ++sum.count;
                }
            }
        }
        Rgb *out = view.row(y);
        for (int x = 0; x < view.width; ++x) {
            const Sums &sum = sums[static_cast<std::size_t>(x)];
            if (sum.alpha == 0) {
                out[x] = 0x00FFFFFFu;
                continue;
            }
            const auto channel = [&](std::uint64_t total) {
                return static_cast<Rgb>((total + sum.alpha / 2) / sum.alpha);
            };
            const auto alpha = static_cast<Rgb>((sum.alpha + sum.count / 2) / sum.count);
            out[x] = alpha << 24 | channel(sum.red) << 16 | channel(sum.green) << 8 | channel(sum.blue);
        }
    }
    return view;
}
