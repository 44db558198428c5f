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

BestFitRun bestFitPictures(const QStringList &paths, const ConversionOptions &options, int jobs, bool skipUnreadable,
                           bool split)
{
    // Loaded and placed once; every rendering starts from that square.
    // Everything that places the picture (fit, gravity, turns, smoothing), none of what reduces it.
    ConversionOptions placement = options;
    placement.greys = GreyDither::None;
    placement.brightness = 0;
    placement.contrast = 0;
    BestFitRun run;
    QList<QImage> images;
    convertPictures(paths, placement, jobs, false, [&](const ConvertedPicture &picture) {
        if (!picture.problem.isEmpty()) {
            run.problems.append(picture.problem);
        } else if (skipUnreadable || run.problems.isEmpty()) {
            images.append(picture.image);
            run.pictures.append(paths.at(picture.index));
        }
    });
    if (!run.problems.isEmpty() && !skipUnreadable)
        return run;

    // Each rendering lands in its own slot, so the choice never depends on `jobs`.
    std::vector<Rendered> rendered(static_cast<std::size_t>(images.size()));
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        for (qsizetype index = next++; index < images.size(); index = next++)
            rendered[static_cast<std::size_t>(index)] = render(images.at(index), options);
    };
    if (jobs <= 1 || images.size() <= 1) {
        work();
    } else {
        QThreadPool pool;
        pool.setMaxThreadCount(jobs);
        for (int worker = 0; worker < std::min<qsizetype>(jobs, images.size()); ++worker)
            pool.start(work);
        pool.waitForDone();
    }
    images.clear();

    std::vector<std::vector<RenderingCandidate>> candidates;
    candidates.reserve(rendered.size());
    for (const Rendered &picture : rendered)
        candidates.push_back(picture.candidates);

    const QStringList names = GreyDitherNames();
    std::size_t first = 0;
    do {
        const RenderingChoice choice =
            ChooseRenderings({candidates.begin() + static_cast<std::ptrdiff_t>(first), candidates.end()});
        if (split && choice.fitting == 0 && first < rendered.size()) {
            run.encodingProblem =
                QStringLiteral("image %1 does not fit in an album of its own").arg(static_cast<qsizetype>(first));
            return run;
        }
        BestFitAlbum album;
        album.firstPicture = static_cast<int>(first);
        album.fitting = choice.fitting;
        album.renderingCounts.assign(Steps.size(), 0);
        const std::size_t end = split ? first + static_cast<std::size_t>(choice.fitting) : rendered.size();
        for (std::size_t picture = first; picture < end; ++picture) {
            const Rendered &renderings = rendered[picture];
            const std::size_t place = picture - first;
            if (place >= static_cast<std::size_t>(choice.fitting)) {
                album.records.push_back(renderings.records.front());
                continue;
            }
            const std::size_t step = renderings.stepOf[static_cast<std::size_t>(choice.chosen[place])];
            const ImageRecord &record = renderings.records[step];
            album.records.push_back(record);
            ++album.renderingCounts[step];
            album.notes.append(QStringLiteral("%1, %2 bytes")
                                   .arg(names.at(static_cast<qsizetype>(Steps[step])))
                                   .arg(record.recordSize()));
        }
        run.albums.push_back(std::move(album));
        first = end;
    } while (first < rendered.size());
    return run;
}
