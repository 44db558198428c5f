// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "goldenalbum.h"

#include "album/renderingchoice.h"
#include "conversion/albumconversion.h"
#include "conversion/look.h"

#include <array>

namespace {

// One picture in each of best fit's renderings, as valbum create --best-fit
// makes them: placed once, then reduced and measured per rendering.
struct Renderings
{
    std::array<ImageRecord, BestFitRenderings.size()> records;
    std::vector<RenderingCandidate> candidates;
    std::vector<std::size_t> stepOf;
};

Renderings RenderForBestFit(const RgbPicture &picture, const ConversionOptions &options)
{
    ConversionOptions placement = options;
    placement.greys = GreyDither::None;
    placement.brightness = 0;
    placement.contrast = 0;
    const AlbumBitmap placed = ConvertToAlbumBitmap(picture, placement);
    const std::vector<float> truth = TrueGreys(placed, options);
    Renderings result;
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

} // namespace

AlbumWriteResult GoldenAlbum(const std::vector<RgbPicture> &pictures, const GoldenSet &set)
{
    std::vector<RgbPicture> corpus;
    for (int round = 0; round < set.repeats; ++round)
        corpus.insert(corpus.end(), pictures.begin(), pictures.end());

    std::vector<ImageRecord> records;
    if (!set.bestFit) {
        for (const RgbPicture &picture : corpus)
            records.push_back(CompressAlbumImage(ConvertToAlbumBitmap(picture, set.options).view()));
    } else {
        std::vector<Renderings> rendered;
        std::vector<std::vector<RenderingCandidate>> candidates;
        for (const RgbPicture &picture : corpus) {
            rendered.push_back(RenderForBestFit(picture, set.options));
            candidates.push_back(rendered.back().candidates);
        }
        const RenderingChoice choice = ChooseRenderings(candidates);
        for (std::size_t index = 0; index < rendered.size(); ++index) {
            // A picture the choice leaves out is written, where there is room, in its plainest rendering.
            const bool chosen = index < static_cast<std::size_t>(choice.fitting);
            const std::size_t step =
                chosen ? rendered[index].stepOf[static_cast<std::size_t>(choice.chosen[index])] : 0;
            records.push_back(rendered[index].records[step]);
        }
    }
    return EncodeAlbumRecords(static_cast<int>(records.size()),
                              [&records](int index) { return records[static_cast<std::size_t>(index)]; }, {});
}
