// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumwriter.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

// A compressor that claims the given sizes, one per image (the last one for
// every image after), without compressing: records of exact sizes, and
// failures (0, or more than a record holds), where a test needs them.
inline ImageCompressor FakeSizes(std::vector<std::size_t> sizes)
{
    auto next = std::make_shared<std::size_t>(0);
    return [sizes = std::move(sizes), next](const PackedImage &, std::vector<std::uint8_t> &out) {
        const std::size_t size = sizes.at(std::min(*next, sizes.size() - 1));
        ++*next;
        out.assign(size, 0x11);
        return size;
    };
}
