// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Look against size: every photo given is brought in with --smooth and each
// rendering, exactly as `valbum create` brings it in; the table gives per
// rendering the mean record size, how many photos one album holds and the
// mean look (SSIM against the true greys) seen from a little way off
// (blur of 1 pixel) and up close (0.6 pixel). With --best-fit it compares
// the renderings `valbum create --best-fit` chooses for the whole set with
// the best single rendering that fits all of it.
//
//     look_vs_size [--best-fit] PHOTO...

#include "album/albumformat.h"
#include "album/renderingchoice.h"
#include "albumfile/albumfile.h"
#include "conversion/look.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/albumimage.h"
#include "qtimage/imagerecord.h"
#include "qtimage/qtconversion.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

struct Measured
{
    double recordBytes = 0;
    double lookFar = 0;
    double lookNear = 0;
    std::vector<qint64> sizes;
    std::vector<double> far;
    std::vector<double> near;
};

// Photos of the set, in order and cycled, that fit in one album: the header,
// then whole records while the file stays within the limit.
int photosPerAlbum(const std::vector<qint64> &sizes)
{
    qint64 used = AlbumHeaderSize;
    int count = 0;
    for (std::size_t index = 0;; index = (index + 1) % sizes.size(), ++count) {
        if (used + sizes[index] > AlbumSizeLimit)
            return count;
        used += sizes[index];
    }
}

void printBestFit(const std::vector<Measured> &table, std::size_t photos)
{
    std::vector<std::vector<RenderingCandidate>> candidates(photos);
    for (std::size_t photo = 0; photo < photos; ++photo)
        for (GreyDither rendering : BestFitRenderings) {
            const Measured &row = table[static_cast<std::size_t>(rendering)];
            candidates[photo].push_back({row.sizes[photo], row.far[photo]});
        }
    const RenderingChoice choice = ChooseRenderings(candidates);
    qint64 bytes = AlbumHeaderSize;
    double far = 0;
    double near = 0;
    std::vector<int> counts(BestFitRenderings.size());
    for (std::size_t photo = 0; photo < choice.chosen.size(); ++photo) {
        const auto step = static_cast<std::size_t>(choice.chosen[photo]);
        const Measured &row = table[static_cast<std::size_t>(BestFitRenderings[step])];
        bytes += row.sizes[photo];
        far += row.far[photo];
        near += row.near[photo];
        ++counts[step];
    }
    std::printf("| way | photos kept | album bytes | look (sigma 1) | look (sigma 0.6) |\n|---|---:|---:|---:|---:|\n");
    QStringList mix;
    for (std::size_t step = 0; step < counts.size(); ++step)
        mix.append(
            QStringLiteral("%1 %2").arg(counts[step]).arg(NameList(GreyDitherNames).at(int(BestFitRenderings[step]))));
    std::printf("| --best-fit (%s) | %d of %zu | %lld | %.3f | %.3f |\n", qPrintable(mix.join(QStringLiteral(", "))),
                choice.fitting, photos, static_cast<long long>(bytes), far / choice.fitting, near / choice.fitting);

    // The finest-looking single rendering that keeps every photo.
    const Measured *single = nullptr;
    qsizetype singleName = -1;
    qint64 singleBytes = 0;
    for (std::size_t rendering = 0; rendering < table.size(); ++rendering) {
        const Measured &row = table[rendering];
        qint64 total = AlbumHeaderSize;
        for (qint64 size : row.sizes)
            total += size;
        if (total <= AlbumSizeLimit && (!single || row.lookFar > single->lookFar)) {
            single = &row;
            singleName = static_cast<qsizetype>(rendering);
            singleBytes = total;
        }
    }
    if (single)
        std::printf("| --dither %s | %zu of %zu | %lld | %.3f | %.3f |\n",
                    qPrintable(NameList(GreyDitherNames).at(singleName)), photos, photos,
                    static_cast<long long>(singleBytes), single->lookFar / double(photos),
                    single->lookNear / double(photos));
    else
        std::printf("| no single rendering keeps all %zu | | | | |\n", photos);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList photos = app.arguments().mid(1);
    const bool bestFit = !photos.isEmpty() && photos.first() == QStringLiteral("--best-fit");
    if (bestFit)
        photos.removeFirst();
    if (photos.isEmpty() || !InitCompression()) {
        std::fprintf(stderr, "usage: look_vs_size [--best-fit] PHOTO...\n");
        return 64;
    }

    const QStringList names = NameList(GreyDitherNames);
    std::vector<Measured> table(static_cast<std::size_t>(names.size()));
    for (const QString &photo : photos) {
        ConversionOptions plain;
        plain.smooth = true;
        const PictureImport placed = ImportPicture(photo, plain);
        if (!placed.ok) {
            std::fprintf(stderr, "%s: cannot be read\n", qPrintable(photo));
            return 2;
        }
        const std::vector<float> truth = TrueGreys(AlbumBitmapOf(placed.albumImage), plain);
        for (qsizetype rendering = 0; rendering < names.size(); ++rendering) {
            ConversionOptions options = plain;
            options.greys = static_cast<GreyDither>(rendering);
            // Loaded again, so the image is the one `valbum create` makes.
            const PictureImport loaded = ImportPicture(photo, options);
            const std::vector<float> shown = ShownGreys(AlbumBitmapOf(loaded.albumImage));
            Measured &row = table[static_cast<std::size_t>(rendering)];
            row.sizes.push_back(RecordOfImage(loaded.albumImage).recordSize());
            row.recordBytes += static_cast<double>(row.sizes.back());
            row.far.push_back(Look(shown, truth, 1.0));
            row.near.push_back(Look(shown, truth, 0.6));
            row.lookFar += row.far.back();
            row.lookNear += row.near.back();
        }
    }

    if (bestFit) {
        printBestFit(table, static_cast<std::size_t>(photos.size()));
        return 0;
    }
    const double count = static_cast<double>(photos.size());
    const double plainPerAlbum = photosPerAlbum(table.front().sizes);
    std::printf("%d photos, --smooth; photos per album: the set in order, cycled, into %lld bytes\n\n",
                static_cast<int>(photos.size()), static_cast<long long>(AlbumSizeLimit));
    std::printf(
        "| rendering | mean record (bytes) | photos per album | vs none | look (sigma 1) | look (sigma 0.6) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    for (qsizetype rendering = 0; rendering < names.size(); ++rendering) {
        const Measured &row = table[static_cast<std::size_t>(rendering)];
        const int perAlbum = photosPerAlbum(row.sizes);
        std::printf("| %s | %.0f | %d | %.0f %% | %.3f | %.3f |\n", qPrintable(names.at(rendering)),
                    row.recordBytes / count, perAlbum, 100.0 * perAlbum / plainPerAlbum, row.lookFar / count,
                    row.lookNear / count);
    }
    return 0;
}
