// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumwriter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// One album of a run that is split to keep every image.
struct AlbumPart
{
    AlbumWriteResult encoded; // the whole file, exactly as the editor would save these images
    int firstImage = 0;
};

struct SplitAlbums
{
    bool ok = false;
    QList<AlbumPart> parts;
    QString errorString;
};

// Encodes the images' `records` in order into as many albums as they need, each filled up to
// the size limit. No images still give one album, holding only the password.
SplitAlbums splitIntoAlbums(const std::vector<ImageRecord> &records, const QString &passwordText);

// The names the parts are written under: "photos.valbum" (or "photos") with
// three parts gives photos-1.valbum, photos-2.valbum and photos-3.valbum.
QStringList partPaths(const QString &path, qsizetype partCount);
