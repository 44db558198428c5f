// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/bitmapheader.h"

#include "picture/byteorder.h"

#include <algorithm>

namespace {

// Bitmap layout: a 14-byte file header, then an info header whose first
// field is its own length.
constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t PixelOffsetField = 10;
constexpr std::uint32_t V2InfoHeaderSize = 52; // adds the red, green and blue masks
constexpr std::uint32_t V3InfoHeaderSize = 56; // adds the alpha mask too
constexpr std::uint32_t V4InfoHeaderSize = 108;
constexpr std::uint32_t SrgbColourSpace = 0x73524742; // 'sRGB'

void WriteU32(std::vector<std::uint8_t> &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

bool HasMaskInfoHeader(std::span<const std::uint8_t> file)
{
    if (file.size() < FileHeaderSize + 4 || !HasBytesAt(file, 0, "BM"))
        return false;
    const std::uint32_t infoSize = U32le(file, FileHeaderSize);
    return infoSize == V2InfoHeaderSize || infoSize == V3InfoHeaderSize;
}

std::vector<std::uint8_t> WithLongerInfoHeader(std::span<const std::uint8_t> file)
{
    if (file.size() < FileHeaderSize + V2InfoHeaderSize)
        return {};
    const std::uint32_t infoSize = U32le(file, FileHeaderSize);
    if (infoSize != V2InfoHeaderSize && infoSize != V3InfoHeaderSize)
        return {};
    if (file.size() < FileHeaderSize + infoSize)
        return {};

    const std::uint32_t growth = V4InfoHeaderSize - infoSize;
    std::vector<std::uint8_t> rewritten(FileHeaderSize + V4InfoHeaderSize, 0);
    std::copy_n(file.begin(), FileHeaderSize + infoSize, rewritten.begin());
    WriteU32(rewritten, FileHeaderSize, V4InfoHeaderSize);
    WriteU32(rewritten, FileHeaderSize + V3InfoHeaderSize, SrgbColourSpace);

    // An offset into the old header stays where it was; anything past it
    // moves with the rest of the file. The reader checks the result.
    const std::uint32_t pixelOffset = U32le(file, PixelOffsetField);
    if (pixelOffset >= FileHeaderSize + infoSize && pixelOffset <= 0xFFFFFFFFu - growth)
        WriteU32(rewritten, PixelOffsetField, pixelOffset + growth);

    const auto rest = file.subspan(FileHeaderSize + infoSize);
    rewritten.insert(rewritten.end(), rest.begin(), rest.end());
    return rewritten;
}
