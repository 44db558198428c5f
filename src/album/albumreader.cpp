// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/albumreader.h"

#include "album/littleendian.h"

#include <algorithm>

namespace {

void stopAt(AlbumRecords &contents, AlbumReadStop stop, std::int64_t offset)
{
    contents.stop = stop;
    contents.stopOffset = offset;
}

} // namespace

AlbumRecords ParseAlbum(std::span<const std::uint8_t> bytes)
{
    return ParseAlbum(bytes, static_cast<std::int64_t>(bytes.size()));
}

AlbumRecords ParseAlbum(std::span<const std::uint8_t> bytes, std::int64_t fileSize)
{
    AlbumRecords contents;
    const std::int64_t size = std::max(fileSize, static_cast<std::int64_t>(bytes.size()));
    contents.fileSize = size;
    // Bytes present to read; past them (a longer file read only in part) a
    // record counts as running past the end, which the read bound never lets happen.
    const auto present = static_cast<std::int64_t>(bytes.size());
    const auto at = [&bytes](std::int64_t offset, std::int64_t count) {
        return bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
    };

    if (present < AlbumHeaderSize || ReadLittleEndian<std::uint32_t>(at(0, 4)) != AlbumMagic) {
        contents.outcome = AlbumReadOutcome::NotAnAlbum;
        return contents;
    }
    contents.password = ReadLittleEndian<std::uint32_t>(at(4, 4));

    PackedImage scratch{};
    std::int64_t position = AlbumHeaderSize;

    // A record is started only while more than eight bytes remain; no real
    // record is that short, so fewer left over are damage too.
    while (position < size - AlbumHeaderSize && contents.records.size() < static_cast<std::size_t>(MaxImagesPerRead)) {
        const std::int64_t recordOffset = position;
        if (position + 2 > present) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        // `length` counts the reserved field and the payload.
        const std::uint16_t length = ReadLittleEndian<std::uint16_t>(at(position, 2));
        position += 2;
        if (position + length > size) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        if (length < ReservedFieldSize) {
            stopAt(contents, AlbumReadStop::RecordTooShort, recordOffset);
            return contents;
        }
        const std::int64_t payloadSize = length - ReservedFieldSize;
        if (payloadSize > static_cast<std::int64_t>(CompressedImageCapacity)) {
            stopAt(contents, AlbumReadStop::PayloadTooLarge, recordOffset);
            return contents;
        }
        if (position + length > present) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        position += length;

        if (DecompressImage(at(recordOffset + RecordHeaderSize, payloadSize), scratch) == 0) {
            stopAt(contents, AlbumReadStop::NotDecompressible, recordOffset);
            return contents;
        }
        contents.records.push_back({recordOffset, static_cast<int>(payloadSize)});
    }
    if (position < size)
        stopAt(contents,
               contents.records.size() >= static_cast<std::size_t>(MaxImagesPerRead) ? AlbumReadStop::ImageCap
                                                                                     : AlbumReadStop::BytesLeftOver,
               position);
    return contents;
}

std::span<const std::uint8_t> RecordPayload(std::span<const std::uint8_t> album, const RecordLocation &record)
{
    const auto start = static_cast<std::size_t>(std::max<std::int64_t>(record.payloadOffset(), 0));
    if (start >= album.size() || record.payloadSize <= 0)
        return {};
    return album.subspan(start, std::min(album.size() - start, static_cast<std::size_t>(record.payloadSize)));
}

bool DecodeRecord(std::span<const std::uint8_t> payload, AlbumBitmap &image)
{
    PackedImage packed{};
    const bool decompressed = DecompressImage(payload, packed) != 0;
    DecodeImage(packed, image);
    return decompressed;
}
