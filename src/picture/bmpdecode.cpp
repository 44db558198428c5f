// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/bmpdecode.h"

#include "picture/bitmapdamage.h"
#include "picture/bitmappixels.h"
#include "picture/byteorder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace {

// A 14-byte file header ("BM", file size, two reserved words, pixel offset),
// then an info header whose first field is its own length.
constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t PixelOffsetField = 10;
constexpr std::size_t InfoStart = FileHeaderSize;

// Info header lengths: the 12-byte core header has 16-bit sizes and no
// compression; 40 adds compression and colour counts; 52 and 56 follow it with
// the colour masks (without and with alpha), where 108 and 124 keep them too,
// then colour space fields. 64 is the long OS/2 header, read for its first 40.
constexpr std::uint32_t CoreHeader = 12;
constexpr std::uint32_t InfoHeader = 40;
constexpr std::uint32_t MasksHeader = 52;
constexpr std::uint32_t AlphaMasksHeader = 56;
constexpr std::uint32_t Os2Header = 64;
constexpr std::uint32_t V4Header = 108;
constexpr std::uint32_t V5Header = 124;

enum Compression : std::uint32_t {
    Uncompressed = 0,
    Rle8 = 1,
    Rle4 = 2,
    Masked = 3,
    EmbeddedJpeg = 4,
    EmbeddedPng = 5
};

PictureFileContents Malformed(PictureFault fault)
{
    PictureFileContents result = RefusedPicture(PictureProblem::Kind::Malformed);
    result.problem.fault = fault;
    return result;
}

struct Header
{
    std::uint32_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = Uncompressed;
    std::int32_t coloursUsed = 0;
    bool masksInHeader = false;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
    std::size_t fieldsEnd = 0;            // where reading went on after the fields
};

// The header's fields, or nothing when the file ends inside them. A length
// this reader does not know is read as the core header, as bitmap readers
// always have: its own checks then refuse what makes no sense.
bool ReadHeader(std::span<const std::uint8_t> file, Header &header)
{
    if (file.size() < InfoStart + 4)
        return false;
    header.size = U32le(file, InfoStart);
    std::size_t fieldsLength = CoreHeader;
    switch (header.size) {
    case InfoHeader:
    case Os2Header:
        fieldsLength = InfoHeader;
        break;
    case MasksHeader:
    case AlphaMasksHeader:
    case V4Header:
    case V5Header:
        fieldsLength = header.size;
        header.masksInHeader = true;
        break;
    default:
        break;
    }
    if (file.size() - InfoStart < fieldsLength)
        return false;
    header.fieldsEnd = InfoStart + fieldsLength;
    if (fieldsLength == CoreHeader) {
        header.width = static_cast<std::int16_t>(U16le(file, InfoStart + 4));
        header.height = static_cast<std::int16_t>(U16le(file, InfoStart + 6));
        header.planes = U16le(file, InfoStart + 8);
        header.bits = U16le(file, InfoStart + 10);
        return true;
    }
    header.width = I32le(file, InfoStart + 4);
    header.height = I32le(file, InfoStart + 8);
    header.planes = U16le(file, InfoStart + 12);
    header.bits = U16le(file, InfoStart + 14);
    header.compression = U32le(file, InfoStart + 16);
    header.coloursUsed = I32le(file, InfoStart + 32);
    if (header.masksInHeader) {
        for (std::size_t i = 0; i < 4; ++i) {
            // The 52-byte header stops before the alpha mask.
            if (InfoHeader + 4 * i + 4 <= header.size)
                header.masks[i] = U32le(file, InfoStart + InfoHeader + 4 * i);
        }
    }
    return true;
}

bool IsDepth(std::uint32_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool IsCompressionFor(std::uint32_t compression, std::uint32_t bits)
{
    return compression == Uncompressed || (compression == Rle4 && bits == 4) || (compression == Rle8 && bits == 8)
           || (compression == Masked && (bits == 16 || bits == 32));
}

// Draws run-length data into `picture`, its rows from the bottom unless
// `topDown`. Pixels the data skips keep the table's first colour. The data
// has been walked by RunLengthDataIsBroken() already, so every run and
// literal fits its row; the checks here only keep every write inside.
void DrawRuns(std::span<const std::uint8_t> data, bool fourBit, bool topDown, const Palette &palette,
              RgbPicture &picture)
{
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    std::size_t x = 0;
    std::size_t y = 0;
    std::size_t at = 0;
    const auto put = [&](std::uint8_t index) {
        if (y < height && x < width)
            picture.row(static_cast<int>(topDown ? y : height - 1 - y))[x] = palette[index];
        ++x;
    };
    const auto nibble = [](std::uint8_t byte, std::size_t i) {
        return static_cast<std::uint8_t>(i % 2 == 0 ? byte >> 4 : byte & 0x0F);
    };
    while (y < height && data.size() - at >= 2) {
        const std::uint8_t count = data[at];
        const std::uint8_t value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (std::size_t i = 0; i < count; ++i)
                put(fourBit ? nibble(value, i) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (data.size() - at < 2)
                break;
            x += data[at];
            y += data[at + 1];
            at += 2;
        } else {
            const std::size_t bytes = fourBit ? (value + 1u) / 2 : value;
            if (data.size() - at < bytes)
                break;
            for (std::size_t i = 0; i < value; ++i)
                put(fourBit ? nibble(data[at + i / 2], i) : data[at + i]);
            // Literals are padded to a 16-bit word.
            at += std::min(bytes + bytes % 2, data.size() - at);
        }
    }
}

} // namespace

PictureFileContents DecodeBmp(std::span<const std::uint8_t> file)
{
    if (file.empty())
        return RefusedPicture(PictureProblem::Kind::Empty);
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M')
        return RefusedPicture(PictureProblem::Kind::UnsupportedFormat);
    if (IsDamagedBitmapFile(file))
        return RefusedPicture(PictureProblem::Kind::Damaged);

    Header header;
    if (!ReadHeader(file, header))
        return RefusedPicture(PictureProblem::Kind::HeaderCutShort);
    // A file that stops right after its header has neither palette nor pixels.
    if (header.fieldsEnd >= file.size())
        return RefusedPicture(PictureProblem::Kind::Damaged);
    // A bitmap may carry a whole JPEG or PNG (for printers), its depth then
    // zero: a variant of its own, not a broken file.
    if (header.compression == EmbeddedJpeg || header.compression == EmbeddedPng)
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant,
                              header.compression == EmbeddedJpeg ? "JPEG-compressed BMP" : "PNG-compressed BMP");
    if (!IsDepth(header.bits))
        return Malformed(PictureFault::Depth);
    if (header.planes != 1)
        return Malformed(PictureFault::Header);
    if (!IsCompressionFor(header.compression, header.bits))
        return Malformed(PictureFault::Compression);
    if (header.width <= 0 || header.height == 0 || header.height == std::numeric_limits<std::int32_t>::min())
        return Malformed(PictureFault::Dimensions);
    const bool topDown = header.height < 0;
    const std::int64_t height = topDown ? -header.height : header.height;
    if (IsTooLargePicture(header.width, height)) {
        return RefusedPicture(PictureProblem::Kind::TooLarge, {},
                              {static_cast<int>(header.width), static_cast<int>(height)});
    }
    const auto width = static_cast<std::size_t>(header.width);
    const auto rows = static_cast<std::size_t>(height);

    // The palette or the masks follow the header at its stated length; a
    // length that points outside the file leaves reading where the fields ended.
    std::size_t at = header.fieldsEnd;
    if (header.size <= file.size() - InfoStart)
        at = InfoStart + header.size;

    BitFields fields = DefaultBitFields(header.bits);
    bool hasAlpha = false;
    if (header.compression == Masked) {
        std::array<std::uint32_t, 4> masks = header.masks;
        if (!header.masksInHeader) {
            if (file.size() - at < 12)
                return Malformed(PictureFault::BitFields);
            for (std::size_t i = 0; i < 3; ++i)
                masks[i] = U32le(file, at + 4 * i);
            at += 12;
        }
        fields = BitFieldsOf(masks);
        hasAlpha = masks[3] != 0;
    } else if (header.bits == 32 && header.masks[3] == 0xFF000000u) {
        // An uncompressed 32-bit bitmap whose header names the top byte alpha.
        fields = BitFieldsOf({0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u});
        hasAlpha = true;
    }

    // The stated pixel offset is taken when it lies past the headers and
    // inside the file; an offset into the headers is a common fault and ignored.
    const std::int32_t pixelOffset = I32le(file, PixelOffsetField);
    const bool offsetUsable = pixelOffset >= 0 && static_cast<std::size_t>(pixelOffset) > at
                              && static_cast<std::size_t>(pixelOffset) <= file.size();

    Palette palette;
    if (header.bits <= 8) {
        std::int64_t colours = header.coloursUsed != 0 ? header.coloursUsed : std::int64_t{1} << header.bits;
        if (colours < 1 || colours > 256)
            return Malformed(PictureFault::Palette);
        const std::size_t entryBytes = header.size == CoreHeader ? 3 : 4;
        // A table shorter than the depth allows, its pixels starting where it
        // ends: the core header has no colour count to say so.
        if (offsetUsable) {
            const auto room = static_cast<std::int64_t>((static_cast<std::size_t>(pixelOffset) - at) / entryBytes);
            if (room >= 1)
                colours = std::min(colours, room);
        }
        // The table, and at least one byte after it, must be in the file
        // (at most 256 entries of 4 bytes: no overflow).
        if (colours < 1 || file.size() - at <= static_cast<std::size_t>(colours) * entryBytes)
            return Malformed(PictureFault::Palette);
        // Pixels naming a colour past the table show black, as bitmap viewers show them.
        palette = ReadPalette(file.subspan(at), static_cast<std::size_t>(colours), entryBytes, 0xFF000000u);
        // A two-colour bitmap with one colour in its table shows its other
        // pixels white, as the table's second colour defaults to.
        if (header.bits == 1 && colours == 1)
            palette[1] = 0xFFFFFFFFu;
        at += static_cast<std::size_t>(colours) * entryBytes;
    }
    if (offsetUsable && static_cast<std::size_t>(pixelOffset) > at)
        at = static_cast<std::size_t>(pixelOffset);
    const std::span<const std::uint8_t> data = file.subspan(at);

    PictureFileContents result;
    if (header.compression == Rle4 || header.compression == Rle8) {
        const bool fourBit = header.compression == Rle4;
        if (RunLengthDataIsBroken(data, header.width, height, fourBit))
            return RefusedPicture(PictureProblem::Kind::Damaged);
        result.picture = RgbPicture(static_cast<int>(width), static_cast<int>(rows), palette[0]);
        DrawRuns(data, fourBit, topDown, palette, result.picture);
    } else {
        const std::uint64_t stride = (static_cast<std::uint64_t>(width) * header.bits + 31) / 32 * 4;
        const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * header.bits + 7) / 8;
        // The last row's padding may be missing: its pixels are all there.
        // Divided rather than multiplied, so no product can overflow.
        if ((rows > 1 && stride > data.size() / (rows - 1)) || data.size() - (rows - 1) * stride < rowBytes)
            return RefusedPicture(PictureProblem::Kind::Damaged);
        result.picture = RgbPicture(static_cast<int>(width), static_cast<int>(rows), 0xFFFFFFFFu, hasAlpha);
        for (std::size_t i = 0; i < rows; ++i) {
            const std::size_t y = topDown ? i : rows - 1 - i;
            const std::span<const std::uint8_t> row =
                data.subspan(i * static_cast<std::size_t>(stride), static_cast<std::size_t>(rowBytes));
            Rgb *out = result.picture.row(static_cast<int>(y));
            if (header.bits <= 8)
                UnpackIndexedRow(row, header.bits, width, palette, out);
            else
                UnpackFieldsRow(row, header.bits, width, fields, hasAlpha, out);
        }
    }
    result.ok = true;
    return result;
}
