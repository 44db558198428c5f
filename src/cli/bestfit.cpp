// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/bestfit.h"

#include "album/renderingchoice.h"
#include "cli/pictureimport.h"
#include "cli/progressline.h"
#include "cli/valbumtexts.h"
#include "imagerecords/bestfitrenderings.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/qtconversion.h"

#include <QThreadPool>

#include <array>
#include <atomic>

namespace {

constexpr auto Steps = BestFitRenderings;

} // namespace

BestFitRun bestFitPictures(const QStringList &paths, const ConversionOptions &options, int jobs, bool skipUnreadable,
                           bool split)
{
    // Read and placed once; every rendering starts from that square.
    const ConversionOptions placement = BestFitPlacement(options);
    BestFitRun run;
    QList<QImage> images;
    ProgressLine reading(paths.size(), Valbum::tr("pictures read", nullptr, ProgressCount(paths.size())));
    importPictures(paths, placement, jobs, false, [&](const ImportedPicture &picture) {
        reading.advance(picture.index + 1);
        if (!picture.problem.isEmpty()) {
            run.problems.append(picture.problem);
        } else if (skipUnreadable || run.problems.isEmpty()) {
            images.append(picture.image);
            run.pictures.append(paths.at(picture.index));
        }
    });
    reading.finish();
    if (!run.problems.isEmpty() && !skipUnreadable)
        return run;

    // Each rendering lands in its own slot, so the choice never depends on `jobs`.
    std::vector<BestFitCandidates> rendered(static_cast<std::size_t>(images.size()));
    std::atomic<qsizetype> next{0};
    std::atomic<qsizetype> done{0};
    ProgressLine rendering(images.size(), Valbum::tr("pictures rendered", nullptr, ProgressCount(images.size())));
    const auto work = [&] {
        for (qsizetype index = next++; index < images.size(); index = next++) {
            rendered[static_cast<std::size_t>(index)] = RenderForBestFit(AlbumBitmapOf(images.at(index)), options);
            rendering.advance(++done);
        }
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
    rendering.finish();

    std::vector<std::vector<RenderingCandidate>> candidates;
    candidates.reserve(rendered.size());
    for (const BestFitCandidates &picture : rendered)
        candidates.push_back(picture.candidates);

    const QStringList names = NameList(GreyDitherNames);
    std::size_t first = 0;
    do {
        const RenderingChoice choice =
            ChooseRenderings({candidates.begin() + static_cast<std::ptrdiff_t>(first), candidates.end()});
        if (split && choice.fitting == 0 && first < rendered.size()) {
            run.encodingProblem =
                Valbum::tr("image %1 does not fit in an album of its own").arg(static_cast<qsizetype>(first));
            return run;
        }
        BestFitAlbum album;
        album.firstPicture = static_cast<int>(first);
        album.fitting = choice.fitting;
        album.renderingCounts.assign(Steps.size(), 0);
        const std::size_t end = split ? first + static_cast<std::size_t>(choice.fitting) : rendered.size();
        for (std::size_t picture = first; picture < end; ++picture) {
            const BestFitCandidates &renderings = rendered[picture];
            const std::size_t place = picture - first;
            if (place >= static_cast<std::size_t>(choice.fitting)) {
                album.records.push_back(renderings.savedRecord(-1));
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
