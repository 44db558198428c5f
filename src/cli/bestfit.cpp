// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/bestfit.h"

#include "album/renderingchoice.h"
#include "cli/pictureinput.h"
#include "picture/albumimage.h"
#include "picture/look.h"

#include <QThreadPool>

#include <array>
#include <atomic>

namespace {

constexpr auto Steps = BestFitRenderings;

struct Rendered
{
    std::array<ImageRecord, Steps.size()> records;
    std::vector<RenderingCandidate> candidates; // the steps whose records came out
    std::vector<std::size_t> stepOf;            // the step of each candidate
};

Rendered render(const QImage &placed, const ConversionOptions &options)
{
    Rendered result;
    const std::vector<float> truth = TrueGreys(placed, options);
    for (std::size_t step = 0; step < Steps.size(); ++step) {
        ConversionOptions rendering = options;
        rendering.greys = Steps[step];
        const QImage image = ReducePlacedSquare(placed, rendering);
        result.records[step] = CompressAlbumImage(image);
        if (result.records[step].failure != AlbumWriteFailure::None)
            continue;
        result.candidates.push_back({result.records[step].recordSize(), Look(ShownGreys(image), truth, 1.0)});
        result.stepOf.push_back(step);
    }
    return result;
}

} // namespace

BestFitAlbum bestFitPictures(const QStringList &paths, const ConversionOptions &options, int jobs)
{
    // Loaded and placed once; every rendering starts from that square.
    // Everything that places the picture (fit, gravity, turns, smoothing), none of what reduces it.
    ConversionOptions placement = options;
    placement.greys = GreyDither::None;
    placement.brightness = 0;
    placement.contrast = 0;
    struct
    {
        QList<QImage> images;
        QStringList problems;
    } placed;
    convertPictures(paths, placement, jobs, false, [&placed](const ConvertedPicture &picture) {
        if (!picture.problem.isEmpty())
            placed.problems.append(picture.problem);
        else if (placed.problems.isEmpty())
            placed.images.append(picture.image);
    });

    BestFitAlbum album;
    album.problems = placed.problems;
    if (!album.problems.isEmpty())
        return album;

    // Each rendering lands in its own slot, so the choice never depends on `jobs`.
    std::vector<Rendered> rendered(static_cast<std::size_t>(placed.images.size()));
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        for (qsizetype index = next++; index < placed.images.size(); index = next++)
            rendered[static_cast<std::size_t>(index)] = render(placed.images.at(index), options);
    };
    if (jobs <= 1 || placed.images.size() <= 1) {
        work();
    } else {
        QThreadPool pool;
        pool.setMaxThreadCount(jobs);
        for (int worker = 0; worker < std::min<qsizetype>(jobs, placed.images.size()); ++worker)
            pool.start(work);
        pool.waitForDone();
    }
    placed.images.clear();

    std::vector<std::vector<RenderingCandidate>> candidates;
    candidates.reserve(rendered.size());
    for (const Rendered &picture : rendered)
        candidates.push_back(picture.candidates);
    const RenderingChoice choice = ChooseRenderings(candidates);

    const QStringList names = GreyDitherNames();
    for (std::size_t picture = 0; picture < rendered.size(); ++picture) {
        const Rendered &renderings = rendered[picture];
        if (picture >= static_cast<std::size_t>(choice.fitting)) {
            album.records.push_back(renderings.records.front());
            continue;
        }
        const std::size_t step = renderings.stepOf[static_cast<std::size_t>(choice.chosen[picture])];
        const ImageRecord &record = renderings.records[step];
        album.records.push_back(record);
        album.notes.append(
            QStringLiteral("%1, %2 bytes").arg(names.at(static_cast<qsizetype>(Steps[step]))).arg(record.recordSize()));
    }
    return album;
}
