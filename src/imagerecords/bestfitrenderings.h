// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumwriter.h"
#include "album/renderingchoice.h"
#include "codec/pixelcodec.h"
#include "conversion/conversionoptions.h"

#include <array>
#include <cstddef>
#include <vector>

// One picture in each of the renderings best fit chooses among, ready for
// ChooseRenderings(): shared by `valbum create --best-fit` and the editor so
// that both make the same choice over the same pictures.

struct BestFitCandidates
{
    std::array<ImageRecord, BestFitRenderings.size()> records; // by step of BestFitRenderings
    std::vector<RenderingCandidate> candidates;                // the steps whose records came out, plainest first
    std::vector<std::size_t> stepOf;                           // the step of each candidate

    // The record saved for the chosen step; a picture the choice left out
    // (step -1) is saved, where there is room, in its plainest rendering.
    const ImageRecord &savedRecord(int step) const { return records[step < 0 ? 0 : static_cast<std::size_t>(step)]; }
};

// What places a picture on the square for best fit: everything of `options`
// that places it (fit, gravity, turns, smoothing), none of what reduces it.
ConversionOptions BestFitPlacement(const ConversionOptions &options);

// Renders a square placed with BestFitPlacement(options) in each of
// BestFitRenderings with `options`' tone, compresses each, and measures its
// look (Look() at a blur of 1 pixel).
BestFitCandidates RenderForBestFit(const AlbumBitmap &placed, const ConversionOptions &options);
