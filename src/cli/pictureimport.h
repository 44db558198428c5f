// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/albumimage.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// One picture brought in, handed over in the order the pictures were given.
struct ImportedPicture
{
    qsizetype index = 0; // its place among the pictures given
    QImage image;        // its 92 x 92 album image, when it came in
    ImageRecord record;  // that image's record, when asked for
    QString problem;     // "<path>: <reason>" when it did not come in; empty when it did
};

// Imports each picture exactly as the editor's add command does
// with the same options, compressing it too when `compress` is set, and hands
// each to `take` on the calling thread, strictly in order. Every picture is
// tried so that one run names all the unreadable ones. `jobs` pictures are
// brought in at once, and only a few per job are kept waiting for their turn,
// so memory does not grow with the number of pictures; what `take` sees is
// the same for any number of jobs.
void importPictures(const QStringList &paths, const ConversionOptions &options, int jobs, bool compress,
                    const std::function<void(const ImportedPicture &)> &take);
