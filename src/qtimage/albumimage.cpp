// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtimage/albumimage.h"

#include "conversion/albumconversion.h"
#include "pictureimport/decodereduction.h"
#include "qtimage/albumbitmap.h"

namespace {

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
    return converted(ReadPictureFile(PicturePath(path), DecodeReductionFor(options)), options);
}

PictureImport ImportPictureBytes(std::span<const std::uint8_t> file, const ConversionOptions &options)
{
    return converted(ReadPictureBytes(file, DecodeReductionFor(options)), options);
}
