// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumwriter.h"
#include "picture/albumimage.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <vector>

struct AlbumImages
{
    QList<QImage> images;             // one 92 x 92 album image per picture that loaded, in order
    std::vector<ImageRecord> records; // each image's record, when asked for
    QStringList problems;             // "<path>: <reason>" for each picture that did not
};

// Loads each picture and converts it exactly as the editor's add command does
// with the same options, and compresses it when `compress` is set. Every
// picture is tried so that one run names all the unreadable ones. `jobs`
// pictures are brought in at once; the result is the same for any number.
AlbumImages convertPictures(const QStringList &paths, const ConversionOptions &options = {}, int jobs = 1,
                            bool compress = false);
