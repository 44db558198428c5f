// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumwriter.h"
#include "imagerecords/bestfitrenderings.h"

#include <optional>
#include <string>
#include <vector>

// The album as best fit sees it, in plain data that a worker thread can own:
// each image's fixed record, or a best-fit image's renderings.
struct BestFitImage
{
    std::optional<BestFitCandidates> renderings; // set for a best-fit image
    ImageRecord record;                          // a fixed image's record
};

struct BestFitSnapshot
{
    std::vector<BestFitImage> images; // in album order
    std::string passwordText;
};

struct BestFitLayout
{
    std::vector<int> chosenStep;      // for each image: its step of BestFitRenderings, or -1 when fixed or left out
    std::vector<int> renderingCounts; // how many images got each step
    AlbumWriteResult file;            // the album's bytes with that choice
};

// Chooses the renderings of the best-fit images exactly as `valbum create
// --best-fit` does, the fixed images taking their records' room as they are,
// and lays out the file with that choice. Past the last image that fits, a
// best-fit image keeps its plainest rendering.
BestFitLayout LayOutBestFit(const BestFitSnapshot &snapshot);
