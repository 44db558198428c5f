// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Look against size: every photo given is brought in with --smooth and each
// rendering, exactly as `valbum create` brings it in; the table gives per
// rendering the mean record size, how many photos one album holds and the
// mean look (SSIM against the true greys) seen from a little way off
// (blur of 1 pixel) and up close (0.6 pixel).
//
//     look_vs_size PHOTO...

#include "album/albumformat.h"
#include "album/albumwriter.h"
#include "picture/albumimage.h"
#include "picture/look.h"

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList photos = app.arguments().mid(1);
    if (photos.isEmpty() || !InitCompression()) {
        std::fprintf(stderr, "usage: look_vs_size PHOTO...\n");
        return 64;
    }

    const QStringList names = GreyDitherNames();
    std::vector<Measured> table(static_cast<std::size_t>(names.size()));
    for (const QString &photo : photos) {
        ConversionOptions plain;
        plain.smooth = true;
        const AlbumImageLoad placed = LoadAlbumImage(photo, plain);
        if (!placed.ok) {
            std::fprintf(stderr, "%s: cannot be read\n", qPrintable(photo));
            return 2;
        }
        const std::vector<float> truth = TrueGreys(placed.albumImage, plain);
        for (qsizetype rendering = 0; rendering < names.size(); ++rendering) {
            ConversionOptions options = plain;
            options.greys = static_cast<GreyDither>(rendering);
            // Loaded again, so the image is the one `valbum create` makes.
            const AlbumImageLoad loaded = LoadAlbumImage(photo, options);
            const std::vector<float> shown = ShownGreys(loaded.albumImage);
            Measured &row = table[static_cast<std::size_t>(rendering)];
            row.sizes.push_back(CompressAlbumImage(loaded.albumImage).recordSize());
            row.recordBytes += static_cast<double>(row.sizes.back());
            row.lookFar += Look(shown, truth, 1.0);
            row.lookNear += Look(shown, truth, 0.6);
        }
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
