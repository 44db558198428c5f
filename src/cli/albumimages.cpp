// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/albumimages.h"

#include "qtimage/imagerecord.h"

QImage AlbumImageAt(const AlbumFileContents &contents, std::size_t index)
{
    return DecodeRecordImage(contents.payload(index));
}

ImageRecord RecompressedRecord(const AlbumFileContents &contents, std::size_t index)
{
    AlbumBitmap image;
    DecodeRecord(contents.payload(index), image);
    return CompressAlbumImage(image.view());
}
