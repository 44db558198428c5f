// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "picture/albumbitmap.h"
#include "picture/conversionoptions.h"

#include <QStringList>

#include <vector>

// `valbum create --best-fit`: each picture in the rendering that lets the
// whole set fit in one album looking as good as it can.

struct BestFitAlbum
{
    std::vector<ImageRecord> records; // the chosen record of each picture, in order
    QStringList notes;                // for each picture that fits: "<rendering>, <size> bytes"
    QStringList problems;             // "<path>: <reason>" for each picture that did not load
};

// Brings each picture in with `options`' fit, smoothing and tone, renders it
// with each of the steps from the plain import to error diffusion, and
// chooses per picture by ChooseRenderings() with each rendering's look
// (Look() at a blur of 1 pixel). Records come first for the pictures that
// fit, then the plain rendering of those left out. `jobs` pictures are
// brought in at once; the result is the same for any number.
BestFitAlbum bestFitPictures(const QStringList &paths, const ConversionOptions &options, int jobs);
