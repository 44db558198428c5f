// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumformat.h"
#include "album/compression.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

// An album is written one way: each image becomes a record (CompressAlbumImage),
// the records become the file's bytes (EncodeAlbumRecords), and the bytes are
// saved atomically (SaveAlbum):
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
    QByteArray payload;

    qint64 recordSize() const { return RecordHeaderSize + payload.size(); }
};

// Packs and compresses one album image.
ImageRecord CompressAlbumImage(const QImage &image, const ImageCompressor &compress = CompressImage);

// The record of image `index`, made on demand or taken from a cache.
using ImageRecordSource = std::function<ImageRecord(int index)>;

// An album made into bytes, and once saved, whether the save worked.
struct AlbumWriteResult
{
    bool ok = false;
    QByteArray bytes;      // the whole file: header and the records that fit
    int imageCount = 0;    // images the album holds
    int imagesWritten = 0; // images that fitted under AlbumSizeLimit
    AlbumWriteFailure failure = AlbumWriteFailure::None;
    int failedImage = -1; // the image that failed, for the image failures
    QString errorString;  // the system's reason, for FileNotWritten
};

// Encodes `count` records in order into album bytes: the header, then each
// record while the file stays within AlbumSizeLimit; the first record that
// does not fit ends the album. A record that failed fails the encoding, naming
// its position, unless it comes where no record it could have would fit: then
// it is left out like any other image past the limit.
AlbumWriteResult EncodeAlbumRecords(int count, const ImageRecordSource &recordAt, const QString &passwordText);

// Saves the bytes of a successful encoding to `path` atomically: the file is
// replaced only once all of them are safely written, so a failure leaves any
// previous file as it was. Returns `encoded` with FileNotWritten and the
// system's reason when that fails; a failed encoding comes back untouched,
// nothing written.
AlbumWriteResult SaveAlbum(const QString &path, AlbumWriteResult encoded);
