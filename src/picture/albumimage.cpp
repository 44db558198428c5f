// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/albumimage.h"

#include "picture/albumbitmap.h"
#include "picture/greyreduction.h"
#include "picture/squareplacement.h"

#include <QTransform>

namespace {

// With smoothing the JPEG decoder may shrink by 1/2, 1/4 or 1/8 in its
// transform, averaging as it goes; without, every source pixel counts.
DecodeReduction ReductionFor(const ConversionOptions &options)
{
    if (!options.smooth)
        return {};
    return [options](PictureSize size) { return ReducedDecodeScale(QSize(size.width, size.height), options); };
}

PictureImport converted(PictureFileContents read, const ConversionOptions &options)
{
    PictureImport result;
    if (!read.ok) {
        result.problem = std::move(read.problem);
        return result;
    }
    result.ok = true;
    result.albumImage = ConvertToAlbumImage(QImageOf(std::move(read.picture)), options);
    return result;
}

} // namespace

std::filesystem::path PicturePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

QImage TurnedPicture(const QImage &picture, int quarterTurns)
{
    const int turns = ((quarterTurns % 4) + 4) % 4;
    if (turns == 0 || picture.isNull())
        return picture;
    return picture.transformed(QTransform().rotate(90 * turns));
}

QImage ConvertToAlbumImage(const QImage &picture, const ConversionOptions &options)
{
    return ReducePlacedSquare(PlaceOnSquare(TurnedPicture(picture, options.quarterTurns), options), options);
}

QImage ReducePlacedSquare(QImage square, const ConversionOptions &options)
{
    if (options.reducesToGreys())
        ReduceToGreys(square, options);
    return square;
}

PictureImport ImportPicture(const QString &path, const ConversionOptions &options)
{
    return converted(ReadPictureFile(PicturePath(path), ReductionFor(options)), options);
}

PictureImport ImportPictureBytes(std::span<const std::uint8_t> file, const ConversionOptions &options)
{
    return converted(ReadPictureBytes(file, ReductionFor(options)), options);
}
