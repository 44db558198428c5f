// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/albumwriter.h"

#include "album/littleendian.h"
#include "album/password.h"

ImageRecord CompressAlbumImage(ImageView image, const ImageCompressor &compress)
{
    ImageRecord record;
    PackedImage packed{};
    // Album images are 92 x 92; anything else would leave stale bytes in the record.
    if (EncodeImage(image, packed) != PackedImageSize) {
        record.failure = AlbumWriteFailure::ImageNotAlbumSized;
        return record;
    }
    std::vector<std::uint8_t> compressed;
    const std::size_t compressedSize = compress(packed, compressed);
    if (compressedSize == 0 || compressedSize > CompressedImageCapacity || compressed.size() < compressedSize) {
        record.failure = AlbumWriteFailure::ImageNotCompressible;
        return record;
    }
    compressed.resize(compressedSize);
    record.payload = std::move(compressed);
    return record;
}

AlbumWriteResult EncodeAlbumRecords(int count, const ImageRecordSource &recordAt, std::string_view passwordText)
{
    AlbumWriteResult result;
    result.imageCount = count;
    result.bytes.reserve(static_cast<std::size_t>(AlbumSizeLimit));
    AppendLittleEndian<std::uint32_t>(result.bytes, AlbumMagic);
    AppendLittleEndian<std::uint32_t>(result.bytes, StoredPassword(passwordText));

    const auto written = [&result] { return static_cast<std::int64_t>(result.bytes.size()); };
    // The smallest record an image that failed to compress could have had.
    constexpr std::int64_t SmallestOversizeRecord = RecordHeaderSize + CompressedImageCapacity + 1;
    for (int index = 0; index < count; ++index) {
        const ImageRecord record = recordAt(index);
        if (record.failure == AlbumWriteFailure::ImageNotCompressible
            && written() + SmallestOversizeRecord > AlbumSizeLimit)
            break; // it would have been left out whatever its size
        if (record.failure != AlbumWriteFailure::None) {
            result.failure = record.failure;
            result.failedImage = index;
            result.bytes.clear();
            return result;
        }
        // The record is written only if it ends within the limit; the first
        // one that does not fit ends the album.
        if (written() + record.recordSize() > AlbumSizeLimit)
            break;
        AppendLittleEndian<std::uint16_t>(result.bytes,
                                          static_cast<std::uint16_t>(record.payload.size() + ReservedFieldSize));
        AppendLittleEndian<std::uint16_t>(result.bytes, 0);
        result.bytes.insert(result.bytes.end(), record.payload.begin(), record.payload.end());
        ++result.imagesWritten;
    }
    result.ok = true;
    return result;
}
