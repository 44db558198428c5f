// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imagerecords/bestfitrenderings.h"

#include "conversion/albumconversion.h"
#include "conversion/look.h"

ConversionOptions BestFitPlacement(const ConversionOptions &options)
{
    ConversionOptions placement = options;
    placement.greys = GreyDither::None;
    placement.brightness = 0;
    placement.contrast = 0;
    return placement;
}

BestFitCandidates RenderForBestFit(const AlbumBitmap &placed, const ConversionOptions &options)
{
    BestFitCandidates result;
    const std::vector<float> truth = TrueGreys(placed, options);
    for (std::size_t step = 0; step < BestFitRenderings.size(); ++step) {
        ConversionOptions rendering = options;
        rendering.greys = BestFitRenderings[step];
        const AlbumBitmap image = ReducePlacedSquare(placed, rendering);
        result.records[step] = CompressAlbumImage(image.view());
        if (result.records[step].failure != AlbumWriteFailure::None)
            continue;
        result.candidates.push_back({result.records[step].recordSize(), Look(ShownGreys(image), truth, 1.0)});
        result.stepOf.push_back(step);
    }
    return result;
}
