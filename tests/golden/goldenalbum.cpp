// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "goldenalbum.h"

#include "album/renderingchoice.h"
#include "conversion/albumconversion.h"
#include "imagerecords/bestfitrenderings.h"

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
        // As valbum create --best-fit: each picture placed once, then rendered from that square.
        std::vector<BestFitCandidates> rendered;
        std::vector<std::vector<RenderingCandidate>> candidates;
        for (const RgbPicture &picture : corpus) {
            const AlbumBitmap placed = ConvertToAlbumBitmap(picture, BestFitPlacement(set.options));
            rendered.push_back(RenderForBestFit(placed, set.options));
            candidates.push_back(rendered.back().candidates);
        }
        const RenderingChoice choice = ChooseRenderings(candidates);
        for (std::size_t index = 0; index < rendered.size(); ++index) {
            const bool chosen = index < static_cast<std::size_t>(choice.fitting);
            const int step =
                chosen ? static_cast<int>(rendered[index].stepOf[static_cast<std::size_t>(choice.chosen[index])]) : -1;
            records.push_back(rendered[index].savedRecord(step));
        }
    }
    return EncodeAlbumRecords(static_cast<int>(records.size()),
                              [&records](int index) { return records[static_cast<std::size_t>(index)]; }, {});
}
