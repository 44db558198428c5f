// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/pictureinput.h"

#include "cli/console.h"
#include "messages/picturetexts.h"

#include <QThreadPool>

#include <atomic>

namespace {

struct PictureResult
{
    AlbumImageLoad loaded;
    ImageRecord record;
};

} // namespace

AlbumImages convertPictures(const QStringList &paths, const ConversionOptions &options, int jobs, bool compress)
{
    // Each worker takes the next picture in turn, so at most `jobs` full-size
    // pictures are held at a time; each is reduced to its album image (and
    // record) at once. Results land in their own slots, in order.
    std::vector<PictureResult> results(static_cast<std::size_t>(paths.size()));
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        for (qsizetype index = next++; index < paths.size(); index = next++) {
            PictureResult &result = results[static_cast<std::size_t>(index)];
            const InputInProgress input(paths.at(index));
            result.loaded = LoadAlbumImage(paths.at(index), options);
            if (result.loaded.ok && compress)
                result.record = CompressAlbumImage(result.loaded.albumImage);
        }
    };
    if (jobs <= 1 || paths.size() <= 1) {
        work();
    } else {
        QThreadPool pool;
        pool.setMaxThreadCount(jobs);
        for (int worker = 0; worker < std::min<qsizetype>(jobs, paths.size()); ++worker)
            pool.start(work);
        pool.waitForDone();
    }

    AlbumImages album;
    album.images.reserve(paths.size());
    for (std::size_t index = 0; index < results.size(); ++index) {
        const PictureResult &result = results[index];
        if (!result.loaded.ok) {
            album.problems.append(
                QStringLiteral("%1: %2").arg(paths.at(qsizetype(index)), PictureProblemText(result.loaded.problem)));
            continue;
        }
        album.images.append(result.loaded.albumImage);
        if (compress)
            album.records.push_back(result.record);
    }
    return album;
}
