// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/readpictures.h"

#include "qtimage/albumbitmap.h"
#include "qtimage/albumimage.h"

std::span<const std::uint8_t> BytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

PictureFileContents ReadPictureAt(const QString &path, const DecodeReduction &reduction)
{
    return ReadPictureFile(PicturePath(path), reduction);
}

PictureFileContents ReadPictureIn(const QByteArray &file, const DecodeReduction &reduction)
{
    return ReadPictureBytes(BytesOf(file), reduction);
}

QImage ImageOf(const PictureFileContents &read)
{
    return QImageOf(read.picture);
}
