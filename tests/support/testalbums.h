// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "qtimage/albumbitmap.h"
#include "support/testpictures.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class QTemporaryDir;

// Albums made for tests, benchmarks and fuzz seeds, through the program's own
// writer.

// The bytes the program writes for these images and password, each image
// compressed by `compress`.
AlbumWriteResult EncodeAlbum(const QList<QImage> &images, const QString &passwordText = {},
                             const ImageCompressor &compress = CompressImage);

// The same, saved to `path`.
AlbumWriteResult WriteAlbumFile(const QString &path, const QList<QImage> &images, const QString &passwordText = {},
                                const ImageCompressor &compress = CompressImage);

// As many pictures of `kind` (different seeds) as the writer can fit under the
// album size limit, plus one that it has to leave out.
QList<QImage> FullAlbumOf(SamplePicture kind);

// Writes `bytes` as a file named `name` in `dir`; returns its path, or an
// empty string when the folder or the file cannot be made.
QString WriteTemporaryFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// Album bytes as a QByteArray, to compare with a file's.
QByteArray AsByteArray(const std::vector<std::uint8_t> &bytes);

// The records of album bytes held in memory, as ReadAlbumFile lists a file's.
AlbumFileContents ParseAlbumBytes(const QByteArray &bytes);

// A whole file's bytes; empty when it cannot be read.
QByteArray ReadFileBytes(const QString &path);
// Writes `bytes` to `path`; false when it cannot.
bool WriteFileBytes(const QString &path, const QByteArray &bytes);
