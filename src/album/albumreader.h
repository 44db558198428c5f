// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumformat.h"

#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

class QIODevice;

// Where one image's record sits in an album file.
struct RecordLocation
{
    qint64 offset = 0;   // where the record's length field starts
    int payloadSize = 0; // compressed bytes
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

// Everything one album file holds, decoded, and how the reading ended. Front
// ends phrase it for their users.
struct AlbumFileContents
{
    AlbumReadOutcome outcome = AlbumReadOutcome::Read;
    AlbumReadStop stop = AlbumReadStop::None;
    qint64 stopOffset = 0; // first byte not read into an image, when stopped
    qint64 fileSize = 0;
    std::uint32_t password = 0;
    QList<QImage> images;                // 92 x 92 RGB32, in file order
    std::vector<RecordLocation> records; // one per decoded image
    QString errorString;                 // the system's reason for OpenFailed

    // An album whose every byte became an image.
    bool whole() const { return outcome == AlbumReadOutcome::Read && stop == AlbumReadStop::None; }
};

// Reads an album from an open device positioned at its start. Every length is
// checked against what remains before it is used; payloads go through the
// checked decompressor.
AlbumFileContents ParseAlbum(QIODevice &device);

// Opens `path` and reads it; an open failure gives OpenFailed with the
// system's reason in errorString.
AlbumFileContents ReadAlbumFile(const QString &path);
