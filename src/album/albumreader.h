// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumformat.h"
#include "album/compression.h"
#include "codec/pixelcodec.h"

#include <cstdint>
#include <span>
#include <vector>

// Where one image's record sits in an album file.
struct RecordLocation
{
    std::int64_t offset = 0; // where the record's length field starts
    int payloadSize = 0;     // compressed bytes

    std::int64_t payloadOffset() const { return offset + RecordHeaderSize; }
};

enum class AlbumReadOutcome {
    Read,       // all records, or those before a stop
    NotAnAlbum, // shorter than the header or wrong magic; nothing taken
    OpenFailed, // could not be opened; nothing taken
};

// Why reading ended before the end of the file.
enum class AlbumReadStop {
    None,              // every byte of the file was read
    RecordPastEnd,     // a record's length runs past the end of the file
    RecordTooShort,    // a length of 0 or 1: no room for the reserved field
    PayloadTooLarge,   // a payload longer than CompressedImageCapacity
    NotDecompressible, // a payload the checked decompressor refused
    BytesLeftOver,     // 1 to 8 bytes after the last record, too few for another
    ImageCap,          // MaxImagesPerRead images were read and more bytes follow
};

// The records of one album and how the reading ended; no image is decoded.
// Front ends phrase it for their users.
struct AlbumRecords
{
    AlbumReadOutcome outcome = AlbumReadOutcome::Read;
    AlbumReadStop stop = AlbumReadStop::None;
    std::int64_t stopOffset = 0; // first byte not read into an image, when stopped
    std::int64_t fileSize = 0;
    std::uint32_t password = 0;
    std::vector<RecordLocation> records; // one per image, in file order

    // An album whose every byte became an image.
    bool whole() const { return outcome == AlbumReadOutcome::Read && stop == AlbumReadStop::None; }
};

// The most bytes of a file a reader ever looks at: the header and
// MaxImagesPerRead records of the largest payload. Reading stops there anyway.
inline constexpr std::int64_t MaxAlbumBytesRead =
    AlbumHeaderSize + MaxImagesPerRead * (RecordHeaderSize + static_cast<std::int64_t>(CompressedImageCapacity));

// Lists the records of an album whose first bytes are `bytes` and whose whole
// size is `fileSize` (at least bytes.size(); a file longer than
// MaxAlbumBytesRead need not be read further). Every length is checked
// against what remains before it is used; each payload goes through the
// checked decompressor into one scratch buffer, so damage stops the reading
// where it is, but no pixel is decoded.
AlbumRecords ParseAlbum(std::span<const std::uint8_t> bytes, std::int64_t fileSize);
// The same for bytes that are the whole album.
AlbumRecords ParseAlbum(std::span<const std::uint8_t> bytes);

// The payload of `record` in the album bytes it was listed from.
std::span<const std::uint8_t> RecordPayload(std::span<const std::uint8_t> album, const RecordLocation &record);

// Decodes one record's payload into `image`; false (and a black image) when
// it does not decompress, which never happens to a record ParseAlbum listed.
bool DecodeRecord(std::span<const std::uint8_t> payload, AlbumBitmap &image);
