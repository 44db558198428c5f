// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtimage/albumimage.h"

#include "conversion/albumconversion.h"
#include "conversion/placement.h"
#include "qtimage/albumbitmap.h"

namespace {

// With smoothing the JPEG decoder may shrink by 1/2, 1/4 or 1/8 in its
// transform, averaging as it goes; without, every source pixel counts.
DecodeReduction ReductionFor(const ConversionOptions &options)
{
    if (!options.smooth)
        return {};
    return [options](PictureSize size) { return ReducedDecodeScale(size.width, size.height, options); };
}

PictureImport converted(PictureFileContents read, const ConversionOptions &options)
{
    PictureImport result;
    result.warnings = std::move(read.warnings);
    if (!read.ok) {
        result.problem = std::move(read.problem);
        return result;
    }
    result.ok = true;
    result.albumImage = ToQImage(ConvertToAlbumBitmap(read.picture, options));
    return result;
}

} // namespace

std::filesystem::path PicturePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

PictureImport ImportPicture(const QString &path, const ConversionOptions &options)
{
    return converted(ReadPictureFile(PicturePath(path), ReductionFor(options)), options);
}

PictureImport ImportPictureBytes(std::span<const std::uint8_t> file, const ConversionOptions &options)
{
    return converted(ReadPictureBytes(file, ReductionFor(options)), options);
}
