// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtimage/imagerecord.h"

#include "album/compression.h"
#include "qtimage/albumbitmap.h"

ImageRecord RecordOfImage(const QImage &image, const ImageCompressor &compress)
{
    const QImage rgb = AsRgb32(image);
    return CompressAlbumImage(ViewOf(rgb), compress);
}

QImage DecodeRecordImage(std::span<const std::uint8_t> payload)
{
    PackedImage packed{};
    DecompressImage(payload, packed);
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    DecodeImageInto(packed, image);
    return image;
}
