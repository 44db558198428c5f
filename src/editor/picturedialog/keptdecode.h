// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"

#include <QDateTime>
#include <QImage>
#include <QString>

// What tells a file on disk from the one read earlier: its size and the
// time it was last written, as the file system reports them.
struct FileStamp
{
    qint64 size = -1; // -1: no file
    QDateTime modified;

    bool operator==(const FileStamp &) const = default;
};

// The stamp of `path` now; size -1 when it is not a file.
FileStamp FileStampOf(const QString &path);

// The album image the picture dialog's preview made, kept so that Open adds
// that very image instead of reading the file again.
struct KeptDecode
{
    QString path;
    FileStamp stamp; // taken before the file was read
    ConversionOptions options;
    QImage albumImage; // 92 x 92, what the device view showed

    // True when this is the image `path` gives with `options`: the same
    // file, unchanged on disk since, and the same choices.
    bool matches(const QString &file, const ConversionOptions &choices) const;
};
