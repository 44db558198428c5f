#include "pictureinput.h"

#include "pictureconversion.h"

AlbumImages loadAlbumImages(const QStringList &paths, const ConversionOptions &options)
{
    AlbumImages result;
    result.images.reserve(paths.size());
    for (const QString &path : paths) {
        // Scaled at once, so only one full-size picture is held at a time.
        const AlbumImageLoad loaded = LoadAlbumImage(path, options);
        if (!loaded.ok) {
            result.problems.append(QStringLiteral("%1: %2").arg(path, loaded.errorString));
            continue;
        }
        result.images.append(loaded.albumImage);
    }
    return result;
}

