// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imagerecords/bestfitlayout.h"

BestFitLayout LayOutBestFit(const BestFitSnapshot &snapshot)
{
    const std::size_t count = snapshot.images.size();
    BestFitLayout layout;
    layout.chosenStep.assign(count, -1);
    layout.renderingCounts.assign(BestFitRenderings.size(), 0);

    std::vector<std::vector<RenderingCandidate>> candidates;
    candidates.reserve(count);
    for (const BestFitImage &image : snapshot.images) {
        if (image.renderings)
            candidates.push_back(image.renderings->candidates);
        else if (image.record.failure == AlbumWriteFailure::None)
            candidates.push_back({{image.record.recordSize(), 0.0}});
        else
            candidates.emplace_back();
    }
    const RenderingChoice choice = ChooseRenderings(candidates);
    for (std::size_t index = 0; index < static_cast<std::size_t>(choice.fitting); ++index) {
        const auto &renderings = snapshot.images[index].renderings;
        if (!renderings)
            continue;
        const std::size_t step = renderings->stepOf[static_cast<std::size_t>(choice.chosen[index])];
        layout.chosenStep[index] = static_cast<int>(step);
        ++layout.renderingCounts[step];
    }

    layout.file = EncodeAlbumRecords(
        static_cast<int>(count),
        [&](int index) {
            const auto position = static_cast<std::size_t>(index);
            const BestFitImage &image = snapshot.images[position];
            if (!image.renderings)
                return image.record;
            return image.renderings->savedRecord(layout.chosenStep[position]);
        },
        snapshot.passwordText);
    return layout;
}
