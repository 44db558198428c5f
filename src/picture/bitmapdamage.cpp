// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/bitmapdamage.h"

#include "picture/byteorder.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace {

// Bitmap layout: a 14-byte file header whose last field is the offset of the
// pixel data, then an info header whose first field is its own length.
constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t PixelOffsetField = 10;
constexpr std::uint32_t CoreInfoHeaderSize = 12; // 16-bit sizes, no compression

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// What the pixel data must hold: rows are counted from the bottom unless the
// height is negative.
struct Layout
{
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = Rgb;
    std::uint64_t pixelStart = 0;
};

// The headers as the decoder takes them, or nothing when they are too odd or
// too short to read: the decoder then refuses the file with its own reason.
std::optional<Layout> ReadLayout(std::span<const std::uint8_t> file)
{
    if (file.size() < FileHeaderSize + 4)
        return std::nullopt;
    const std::uint32_t infoSize = U32le(file, FileHeaderSize);
    const bool core = infoSize == CoreInfoHeaderSize;
    if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
        return std::nullopt;
    const std::size_t headersEnd = FileHeaderSize + infoSize;
    if (file.size() < headersEnd)
        return std::nullopt;

    Layout layout;
    const std::size_t info = FileHeaderSize;
    if (core) {
        layout.width = U16le(file, info + 4);
        layout.height = U16le(file, info + 6);
        layout.bits = U16le(file, info + 10);
    } else {
        layout.width = I32le(file, info + 4);
        layout.height = I32le(file, info + 8);
        layout.bits = U16le(file, info + 14);
        layout.compression = U32le(file, info + 16);
    }
    if (layout.width <= 0 || layout.height == 0)
        return std::nullopt;
    // An offset pointing back into the headers is ignored by the decoder,
    // which then reads on after the palette; the headers' end is a safe lower bound.
    layout.pixelStart = std::max<std::uint64_t>(headersEnd, U32le(file, PixelOffsetField));
    return layout;
}

// Uncompressed rows are padded to four bytes; the file size field and the
// image size field are often wrong and play no part.
bool RowsAreShort(std::span<const std::uint8_t> file, const Layout &layout)
{
    if (layout.pixelStart > file.size())
        return true;
    const std::uint64_t stride = (static_cast<std::uint64_t>(layout.width) * layout.bits + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(layout.height < 0 ? -layout.height : layout.height);
    // Divided rather than multiplied, so no product can overflow.
    return stride > (file.size() - layout.pixelStart) / rows;
}

} // namespace

// Walks run-length data: pairs of a count and a colour (a run), or a zero and
// an escape: 0 ends a row, 1 ends the bitmap, 2 moves by the next two bytes
// (right, up), 3 and more start that many literal pixels padded to a word.
// Damage is a run or literal past its row's end or above the top row, a move
// out of the picture, or data that stops before the end-of-bitmap marker
// without having reached the end of the last row.
bool RunLengthDataIsBroken(std::span<const std::uint8_t> data, std::int64_t width, std::int64_t height, bool fourBit)
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::size_t at = 0;
    const auto pixelsFit = [&](std::int64_t count) { return y < height && x + count <= width; };
    while (data.size() - at >= 2) {
        const std::uint8_t count = data[at];
        const std::uint8_t escape = data[at + 1];
        at += 2;
        if (count > 0) {
            if (!pixelsFit(count))
                return true;
            x += count;
        } else if (escape == 0) {
            x = 0;
            if (++y > height)
                return true;
        } else if (escape == 1) {
            return false;
        } else if (escape == 2) {
            if (data.size() - at < 2)
                return true;
            x += data[at];
            y += data[at + 1];
            at += 2;
            if (x > width || y >= height)
                return true;
        } else {
            const std::size_t bytes = fourBit ? (escape + 1u) / 2 : escape;
            if (!pixelsFit(escape) || data.size() - at < bytes)
                return true;
            at += std::min<std::size_t>(bytes + bytes % 2, data.size() - at);
            x += escape;
        }
    }
    return !(y >= height || (y == height - 1 && x >= width));
}

bool IsDamagedBitmapFile(std::span<const std::uint8_t> file)
{
    const std::optional<Layout> layout = ReadLayout(file);
    if (!layout)
        return false;
    switch (layout->compression) {
    case Rgb:
    case BitFields:
        if (layout->bits != 1 && layout->bits != 4 && layout->bits != 8 && layout->bits != 16 && layout->bits != 24
            && layout->bits != 32)
            return false;
        return RowsAreShort(file, *layout);
    case Rle8:
    case Rle4:
        // Run-length data is stored bottom-up, at its own depth; a top-down
        // one is walked the same way, its rows only counted from the top.
        if (layout->bits != (layout->compression == Rle8 ? 8u : 4u))
            return false;
        if (layout->pixelStart > file.size())
            return true;
        return RunLengthDataIsBroken(file.subspan(layout->pixelStart), layout->width,
                                     layout->height < 0 ? -layout->height : layout->height,
                                     layout->compression == Rle4);
    default:
        return false;
    }
}
