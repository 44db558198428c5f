// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/exiforientation.h"

#include "picture/byteorder.h"

namespace {

constexpr std::size_t ExifHeaderSize = 6; // "Exif\0\0"
constexpr std::size_t TiffHeaderSize = 8; // byte order, 42, the first directory's offset
constexpr std::size_t EntrySize = 12;     // tag, type, count, value
constexpr std::uint16_t OrientationTag = 0x0112;
constexpr std::uint16_t ShortType = 3;

// The Orientation of EXIF data that starts with its TIFF header.
int TiffOrientation(FileBytes tiff)
{
    if (tiff.size() < TiffHeaderSize)
        return 1;
    const bool little = HasBytesAt(tiff, 0, "II");
    if (!little && !HasBytesAt(tiff, 0, "MM"))
        return 1;
    const auto u16 = [&](std::size_t at) { return little ? U16le(tiff, at) : U16be(tiff, at); };
    const auto u32 = [&](std::size_t at) { return little ? U32le(tiff, at) : U32be(tiff, at); };
    if (u16(2) != 42)
        return 1;
    // The offset counts from the TIFF header; one pointing back into the
    // header itself names no directory.
    const std::uint32_t directory = u32(4);
    if (directory < TiffHeaderSize || directory > tiff.size() || tiff.size() - directory < 2)
        return 1;
    const std::uint16_t entries = u16(directory);
    for (std::size_t i = 0, at = directory + 2; i < entries; ++i, at += EntrySize) {
        if (tiff.size() - at < EntrySize)
            return 1;
        if (u16(at) != OrientationTag)
            continue;
        // Only the first Orientation counts, and only as one short held in
        // the entry itself.
        const std::uint16_t value = u16(at + 8);
        if (u16(at + 2) != ShortType || u32(at + 4) != 1 || value < 1 || value > 8)
            return 1;
        return value;
    }
    return 1;
}

} // namespace

int ExifOrientation(std::span<const std::uint8_t> app1)
{
    using namespace std::string_view_literals;
    if (!HasBytesAt(app1, 0, "Exif\0\0"sv))
        return 1;
    return TiffOrientation(app1.subspan(ExifHeaderSize));
}

int WebPExifOrientation(std::span<const std::uint8_t> chunk)
{
    using namespace std::string_view_literals;
    return TiffOrientation(HasBytesAt(chunk, 0, "Exif\0\0"sv) ? chunk.subspan(ExifHeaderSize) : chunk);
}
