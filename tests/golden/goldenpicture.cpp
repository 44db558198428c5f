// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "goldenpicture.h"

#include "album/littleendian.h"

#include <algorithm>

namespace {

// Far above the corpus and far below what a 32-bit size_t holds four bytes of.
constexpr std::uint32_t MaxSide = 4096;
constexpr std::uint32_t HasAlphaFlag = 1;

} // namespace

std::optional<RgbPicture> ParseGoldenPicture(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < GoldenHeaderSize || !std::equal(bytes.begin(), bytes.begin() + 4, "ARGB"))
        return std::nullopt;
    const auto width = ReadLittleEndian<std::uint32_t>(bytes.subspan(4));
    const auto height = ReadLittleEndian<std::uint32_t>(bytes.subspan(8));
    const auto flags = ReadLittleEndian<std::uint32_t>(bytes.subspan(12));
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide || (flags & ~HasAlphaFlag) != 0)
        return std::nullopt;
    // Both sides are at most 4096, so the product and its four bytes fit in 32 bits.
    const std::size_t count = std::size_t{width} * height;
    if (bytes.size() - GoldenHeaderSize != count * 4)
        return std::nullopt;

    RgbPicture picture(static_cast<int>(width), static_cast<int>(height), 0, (flags & HasAlphaFlag) != 0);
    for (std::size_t i = 0; i < count; ++i) {
        picture.pixels[i] = ReadLittleEndian<std::uint32_t>(bytes.subspan(GoldenHeaderSize + 4 * i));
        if (!picture.hasAlpha && picture.pixels[i] >> 24 != 0xFF)
            return std::nullopt;
    }
    return picture;
}
