#include "pictureinput.h"

#include "pictureimport.h"
#include "pixelcodec.h"

AlbumImages loadAlbumImages(const QStringList &paths)
{
    AlbumImages result;
    result.images.reserve(paths.size());
    for (const QString &path : paths) {
        // Scaled at once, so only one full-size picture is held at a time.
        const LoadedPicture loaded = LoadPicture(path);
        if (!loaded.ok) {
            result.problems.append(QStringLiteral("%1: %2").arg(path, loaded.errorString));
            continue;
        }
        result.images.append(ScaleToAlbumImage(loaded.picture));
    }
    return result;
}

