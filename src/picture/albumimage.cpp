// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/albumimage.h"

#include "conversion/placement.h"
#include "picture/qtconversion.h"

#include <QFile>

namespace {

// With smoothing the JPEG decoder may shrink by 1/2, 1/4 or 1/8 in its
// transform, averaging as it goes; without, every source pixel counts.
DecodeReduction reductionFor(const ConversionOptions &options)
{
    if (!options.smooth)
        return {};
    return [options](QSize size) { return ReducedDecodeScale(size.width(), size.height(), options); };
}

PictureImport converted(const PictureFileContents &read, const ConversionOptions &options)
{
    PictureImport result;
    if (!read.ok) {
        result.problem = read.problem;
        return result;
    }
    result.ok = true;
    result.albumImage = ConvertToAlbumImage(read.picture, options);
    return result;
}

} // namespace

PictureImport ImportPicture(const QString &path, const ConversionOptions &options)
{
    return converted(ReadPictureFile(path, reductionFor(options)), options);
}

PictureImport ImportPicture(QIODevice &device, const ConversionOptions &options)
{
    return converted(ReadPictureFile(device, reductionFor(options)), options);
}
