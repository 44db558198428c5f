// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include <QtEndian>

#include <algorithm>
#include <optional>

namespace {

// Bitmap layout: a 14-byte file header whose last field is the offset of the
// pixel data, then an info header whose first field is its own length.
constexpr qsizetype FileHeaderSize = 14;
constexpr qsizetype PixelOffsetField = 10;
constexpr quint32 CoreInfoHeaderSize = 12; // 16-bit sizes, no compression

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// What the pixel data must hold: rows are counted from the bottom unless the
// height is negative.
struct Layout
{
    qint64 width = 0;
    qint64 height = 0;
    quint32 bits = 0;
    quint32 compression = Rgb;
    qsizetype pixelStart = 0;
};

quint16 U16(QByteArrayView file, qsizetype at)
{
    return qFromLittleEndian<quint16>(file.data() + at);
}

quint32 U32(QByteArrayView file, qsizetype at)
{
    return qFromLittleEndian<quint32>(file.data() + at);
}

// The headers as the reader takes them, or nothing when they are too odd or
// too short to read: the reader then refuses the file with its own reason.
std::optional<Layout> ReadLayout(QByteArrayView file)
{
    if (file.size() < FileHeaderSize + 4)
        return std::nullopt;
    const quint32 infoSize = U32(file, FileHeaderSize);
    const bool core = infoSize == CoreInfoHeaderSize;
    if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
        return std::nullopt;
    const qsizetype headersEnd = FileHeaderSize + qsizetype(infoSize);
    if (file.size() < headersEnd)
        return std::nullopt;

    Layout layout;
    const qsizetype info = FileHeaderSize;
    if (core) {
        layout.width = U16(file, info + 4);
        layout.height = U16(file, info + 6);
        layout.bits = U16(file, info + 10);
    } else {
        layout.width = qint32(U32(file, info + 4));
        layout.height = qint32(U32(file, info + 8));
        layout.bits = U16(file, info + 14);
        layout.compression = U32(file, info + 16);
    }
    if (layout.width <= 0 || layout.height == 0)
        return std::nullopt;
    // An offset pointing back into the headers is ignored by the reader, which
    // then reads on after the palette; the headers' end is a safe lower bound.
    layout.pixelStart = std::max<qsizetype>(headersEnd, U32(file, PixelOffsetField));
    return layout;
}

// Uncompressed rows are padded to four bytes; the file size field and the
// image size field are often wrong and play no part.
bool RowsAreShort(QByteArrayView file, const Layout &layout)
{
    if (layout.pixelStart > file.size())
        return true;
    const quint64 stride = (quint64(layout.width) * layout.bits + 31) / 32 * 4;
    const quint64 rows = quint64(layout.height < 0 ? -layout.height : layout.height);
    // Divided rather than multiplied, so no product can overflow.
    return stride > quint64(file.size() - layout.pixelStart) / rows;
}

// Walks run-length data: pairs of a count and a colour (a run), or a zero and
// an escape: 0 ends a row, 1 ends the bitmap, 2 moves by the next two bytes
// (right, up), 3 and more start that many literal pixels padded to a word.
// Damage is a run or literal past its row's end or above the top row, a move
// out of the picture, or data that stops before the end-of-bitmap marker
// without having reached the end of the last row.
bool RunsAreBroken(QByteArrayView data, qint64 width, qint64 height, bool fourBit)
{
    qint64 x = 0;
    qint64 y = 0;
    qsizetype at = 0;
    const auto pixelsFit = [&](qint64 count) { return y < height && x + count <= width; };
    while (data.size() - at >= 2) {
        const auto count = static_cast<unsigned char>(data[at]);
        const auto escape = static_cast<unsigned char>(data[at + 1]);
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
            x += static_cast<unsigned char>(data[at]);
            y += static_cast<unsigned char>(data[at + 1]);
            at += 2;
            if (x > width || y >= height)
                return true;
        } else {
            const qsizetype bytes = fourBit ? (escape + 1) / 2 : escape;
            if (!pixelsFit(escape) || data.size() - at < bytes)
                return true;
            at += std::min<qsizetype>(bytes + bytes % 2, data.size() - at);
            x += escape;
        }
    }
    return !(y >= height || (y == height - 1 && x >= width));
}

} // namespace

bool IsDamagedBitmap(QByteArrayView file)
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
        // Run-length data is always stored bottom-up, at its own depth.
        if (layout->height < 0 || layout->bits != (layout->compression == Rle8 ? 8u : 4u))
            return false;
        if (layout->pixelStart > file.size())
            return true;
        return RunsAreBroken(file.sliced(layout->pixelStart), layout->width, layout->height,
                             layout->compression == Rle4);
    default:
        return false;
    }
}
