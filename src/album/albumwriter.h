// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumformat.h"
#include "album/compression.h"
#include "codec/pixelcodec.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// An album is written one way: each image becomes a record (CompressAlbumImage),
// the records become the file's bytes (EncodeAlbumRecords), and the bytes are
// saved atomically (SaveAlbum, albumfile/albumfile.h):
//     SaveAlbum(path, EncodeAlbumRecords(count, recordAt, passwordText))

using ImageCompressor = std::function<std::size_t(const PackedImage &, std::vector<std::uint8_t> &)>;

// Why an album could not be made or saved.
enum class AlbumWriteFailure {
    None,
    ImageNotAlbumSized,   // failedImage is not 92 x 92
    ImageNotCompressible, // failedImage does not compress into CompressedImageCapacity
    FileNotWritten,       // errorString holds the system's reason
};

// One image's record payload: packed and compressed, or why it cannot be.
struct ImageRecord
{
    AlbumWriteFailure failure = AlbumWriteFailure::None;
    std::vector<std::uint8_t> payload;

    std::int64_t recordSize() const { return RecordHeaderSize + static_cast<std::int64_t>(payload.size()); }
};

// Packs and compresses one album image.
ImageRecord CompressAlbumImage(ImageView image, const ImageCompressor &compress = CompressImage);

// The record of image `index`, made on demand or taken from a cache.
using ImageRecordSource = std::function<ImageRecord(int index)>;

// An album made into bytes, and once saved, whether the save worked.
struct AlbumWriteResult
{
    bool ok = false;
    std::vector<std::uint8_t> bytes; // the whole file: header and the records that fit
    int imageCount = 0;              // images the album holds
    int imagesWritten = 0;           // images that fitted under AlbumSizeLimit
    AlbumWriteFailure failure = AlbumWriteFailure::None;
    int failedImage = -1;    // the image that failed, for the image failures
    std::string errorString; // the system's reason (UTF-8), for FileNotWritten
};

// Encodes `count` records in order into album bytes: the header, then each
// record while the file stays within AlbumSizeLimit; the first record that
// does not fit ends the album. A record that failed fails the encoding, naming
// its position, unless it comes where no record it could have would fit: then
// it is left out like any other image past the limit.
AlbumWriteResult EncodeAlbumRecords(int count, const ImageRecordSource &recordAt, std::string_view passwordText);
