// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "conversion/conversionoptions.h"
#include "picture/albumbitmap.h"

#include <QStringList>

#include <vector>

// `valbum create --best-fit`: each picture in the rendering that lets the
// whole set fit in one album (or, split, each album in turn) looking as good
// as it can.

// One album's choice.
struct BestFitAlbum
{
    int firstPicture = 0;             // its first picture among those read
    int fitting = 0;                  // pictures, from the first, that it holds
    std::vector<ImageRecord> records; // the chosen records, then the plain rendering of those left out
    QStringList notes;                // for each picture that fits: "<rendering>, <size> bytes"
    std::vector<int> renderingCounts; // how many pictures got each of BestFitRenderings
};

struct BestFitRun
{
    QStringList pictures;             // the pictures read, in order
    QStringList problems;             // "<path>: <reason>" for each picture that did not come in
    std::vector<BestFitAlbum> albums; // one, or with `split` as many as needed
    QString encodingProblem;          // a picture that fits in no album of its own; empty otherwise
};

// Brings each picture in with `options`' fit, smoothing and tone, renders it
// with each of the steps from the plain import to error diffusion, and
// chooses per picture by ChooseRenderings() with each rendering's look
// (Look() at a blur of 1 pixel). Without `split`, one album takes the
// longest run of pictures that fits with their smallest renderings and the
// rest are left out; with it, each album in turn takes as many of the
// remaining pictures as fit so, and so no more albums are made than the
// smallest renderings need. Pictures that do not come in stop the work, or are
// left out when `skipUnreadable`. `jobs` pictures are brought in at once;
// the result is the same for any number.
BestFitRun bestFitPictures(const QStringList &paths, const ConversionOptions &options, int jobs, bool skipUnreadable,
                           bool split);
