// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumreader.h"
#include "album/albumwriter.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

// Album files on disk: the one place that reads them whole and the one place
// that writes them.

// An album file's records and the bytes they lie in.
struct AlbumFileContents : AlbumRecords
{
    std::vector<std::uint8_t> bytes; // the file, up to MaxAlbumBytesRead
    QString errorString;             // the system's reason for OpenFailed

    // The compressed payload of record `index`.
    std::span<const std::uint8_t> payload(std::size_t index) const { return RecordPayload(bytes, records.at(index)); }
};

// Opens `path` and lists its records (ParseAlbum), reading no more than
// MaxAlbumBytesRead bytes; an open failure gives OpenFailed with the system's
// reason in errorString.
AlbumFileContents ReadAlbumFile(const QString &path);

// Saves the bytes of a successful encoding to `path` atomically: the file is
// replaced only once all of them are safely written, so a failure leaves any
// previous file as it was. Returns `encoded` with FileNotWritten and the
// system's reason when that fails; a failed encoding comes back untouched,
// nothing written.
AlbumWriteResult SaveAlbum(const QString &path, AlbumWriteResult encoded);
