// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/icodecode.h"

#include "picture/bitmappixels.h"
#include "picture/byteorder.h"
#include "picture/pngdecode.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// An icon file: a 6-byte directory header (0, type 1 for icons or 2 for
// cursors, entry count), then 16-byte entries: width and height (0 meaning
// 256), colour count, a reserved byte, planes (a cursor's hot spot x), bits
// (its hot spot y), the picture's length and its offset in the file.
constexpr std::size_t DirectorySize = 6;
constexpr std::size_t EntrySize = 16;
// The picture is a PNG file or a bitmap's 40-byte info header, its palette,
// its pixels (stored twice as high, bottom-up) and a 1-bit mask whose set
// bits are transparent.
constexpr std::size_t InfoHeaderSize = 40;
constexpr int LargestSide = 256;
constexpr std::array<std::uint8_t, 8> PngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

PictureFileContents Malformed(PictureFault fault)
{
    PictureFileContents result = RefusedPicture(PictureProblem::Kind::Malformed);
    result.problem.fault = fault;
    return result;
}

std::size_t Stride(std::size_t width, std::uint32_t bits)
{
    return (width * bits + 31) / 32 * 4;
}

// What a colour premultiplied by its alpha and divided again gives: the
// colours of a 32-bit icon are kept so, as icons have always been drawn.
Rgb PremultipliedAndBack(Rgb pixel)
{
    const std::uint32_t alpha = pixel >> 24;
    if (alpha == 255)
        return pixel;
    if (alpha == 0)
        return 0;
    const std::uint32_t inverse = 0x00FF00FFu / alpha;
    Rgb result = alpha << 24;
    for (unsigned shift = 0; shift <= 16; shift += 8) {
        std::uint32_t channel = (pixel >> shift & 0xFF) * alpha;
        channel = (channel + (channel >> 8) + 0x80) >> 8;
        result |= ((channel * inverse + 0x8000) >> 16) << shift;
    }
    return result;
}

// The bitmap picture of an entry, `width` by `height` as the directory says.
PictureFileContents DecodeIconBitmap(std::span<const std::uint8_t> bitmap, int entryWidth, int entryHeight,
                                     std::uint32_t entryBits)
{
    if (bitmap.size() < InfoHeaderSize)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    std::uint32_t bits = U16le(bitmap, 14);
    if (bits == 0)
        bits = entryBits;
    if (bits == 16)
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant, "16-bit colour in icons");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return Malformed(PictureFault::Depth);
    // Icons are never run-length or bit-field coded; such data would be
    // taken for pixels and shown as noise.
    if (U32le(bitmap, 16) != 0)
        return Malformed(PictureFault::Compression);
    std::int64_t colours = 0;
    if (bits <= 8) {
        const std::uint32_t used = U32le(bitmap, 32);
        colours = used != 0 ? used : std::int64_t{1} << bits;
        if (colours > 256)
            return Malformed(PictureFault::Palette);
    }
    // The directory's size wins over the header's, which only fills in for
    // the 0 that means 256.
    const std::int64_t width = entryWidth != 0 ? entryWidth : static_cast<std::int32_t>(U32le(bitmap, 4));
    const std::int64_t height = entryHeight != 0 ? entryHeight : static_cast<std::int32_t>(U32le(bitmap, 8)) / 2;
    if (width <= 0 || height <= 0 || width > LargestSide || height > LargestSide)
        return Malformed(PictureFault::Dimensions);
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);

    // The palette follows the 40-byte header whatever length it gives itself.
    std::size_t at = InfoHeaderSize;
    Palette palette{};
    if (colours > 0) {
        const std::size_t tableBytes = static_cast<std::size_t>(colours) * 4;
        if (bitmap.size() - at < tableBytes)
            return RefusedPicture(PictureProblem::Kind::Damaged);
        // An icon's pixels naming a colour past its table are left transparent.
        palette = ReadPalette(bitmap.subspan(at), static_cast<std::size_t>(colours), 4, 0);
        at += tableBytes;
    }
    const std::size_t stride = Stride(w, bits);
    const std::size_t maskStride = Stride(w, 1);
    const bool hasMask = bits <= 8;
    // At most 256 rows of 256 pixels: no product here can overflow.
    if (bitmap.size() - at < stride * h + (hasMask ? maskStride * h : 0)) {
        // Rows for a size the bitmap's own header does not give are a
        // directory at odds with its picture, not a file cut short.
        const bool sizesAgree = static_cast<std::int32_t>(U32le(bitmap, 4)) == width
                                && static_cast<std::int32_t>(U32le(bitmap, 8)) / 2 == height;
        return sizesAgree ? RefusedPicture(PictureProblem::Kind::Damaged) : Malformed(PictureFault::Dimensions);
    }

    PictureFileContents result;
    result.picture = RgbPicture(static_cast<int>(w), static_cast<int>(h), 0xFFFFFFFFu, true);
    const BitFields fields = BitFieldsOf({0x00FF0000u, 0x0000FF00u, 0x000000FFu, bits == 32 ? 0xFF000000u : 0});
    for (std::size_t i = 0; i < h; ++i) {
        Rgb *out = result.picture.row(static_cast<int>(h - 1 - i));
        const std::span<const std::uint8_t> row = bitmap.subspan(at + i * stride, stride);
        if (bits <= 8)
            UnpackIndexedRow(row, bits, w, palette, out);
        else
            UnpackFieldsRow(row, bits, w, fields, bits == 32, out);
        if (bits == 32)
            std::transform(out, out + w, out, PremultipliedAndBack);
    }
    // A 24- or 32-bit icon is drawn as its colours say, its mask unread; the
    // mask makes the others' pixels wholly transparent or wholly opaque.
    if (hasMask) {
        const std::size_t maskStart = at + stride * h;
        for (std::size_t i = 0; i < h; ++i) {
            Rgb *out = result.picture.row(static_cast<int>(h - 1 - i));
            const std::span<const std::uint8_t> row = bitmap.subspan(maskStart + i * maskStride, maskStride);
            for (std::size_t x = 0; x < w; ++x) {
                if ((row[x / 8] >> (7 - x % 8) & 1) != 0)
                    out[x] = 0;
            }
        }
    }
    result.ok = true;
    return result;
}

} // namespace

PictureFileContents DecodeIco(std::span<const std::uint8_t> file)
{
    if (file.empty())
        return RefusedPicture(PictureProblem::Kind::Empty);
    if (file.size() < DirectorySize || U16le(file, 0) != 0 || (U16le(file, 2) != 1 && U16le(file, 2) != 2))
        return RefusedPicture(PictureProblem::Kind::UnsupportedFormat);
    const bool cursor = U16le(file, 2) == 2;
    // The first entry is the picture taken in: the one an icon file puts first
    // for programs that show only one.
    if (U16le(file, 4) == 0 || file.size() - DirectorySize < EntrySize)
        return Malformed(PictureFault::IconDirectory);
    const std::span<const std::uint8_t> entry = file.subspan(DirectorySize, EntrySize);
    const std::uint32_t planes = U16le(entry, 4);
    const std::uint32_t bits = U16le(entry, 6);
    const std::uint32_t length = U32le(entry, 8);
    const std::uint32_t offset = U32le(entry, 12);
    // A cursor keeps its hot spot where an icon keeps planes and bits.
    if (entry[3] != 0 || (!cursor && (planes > 1 || bits > 32)) || length < InfoHeaderSize)
        return Malformed(PictureFault::IconDirectory);
    if (offset >= file.size())
        return Malformed(PictureFault::IconDirectory);
    const std::span<const std::uint8_t> picture = file.subspan(offset);
    if (picture.size() >= PngSignature.size() && std::equal(PngSignature.begin(), PngSignature.end(), picture.begin()))
        return DecodePng(picture.first(std::min<std::size_t>(length, picture.size())));
    return DecodeIconBitmap(picture, entry[0], entry[1], bits);
}
