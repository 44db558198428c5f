// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/albumbitmap.h"

#include "album/albumreader.h"

namespace {

bool isRgb32(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

QImage asRgb32(const QImage &image)
{
    return isRgb32(image) ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

ImageView ViewOf(const QImage &rgb32)
{
    if (!isRgb32(rgb32) || rgb32.isNull())
        return {};
    return {reinterpret_cast<const Rgb *>(rgb32.constBits()), rgb32.width(), rgb32.height(),
            rgb32.bytesPerLine() / static_cast<qsizetype>(sizeof(Rgb))};
}

QImage ToQImage(const AlbumBitmap &bitmap)
{
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (int y = 0; y < AlbumImageSide; ++y)
        std::copy_n(bitmap.pixels.data() + static_cast<std::ptrdiff_t>(y) * AlbumImageSide, AlbumImageSide,
                    reinterpret_cast<Rgb *>(image.scanLine(y)));
    return image;
}

std::size_t EncodeImage(const QImage &bitmap, std::span<std::uint8_t> out)
{
    const QImage rgb = asRgb32(bitmap);
    return EncodeImage(ViewOf(rgb), out);
}

void DecodeImage(std::span<const std::uint8_t> packed, QImage &bitmap)
{
    if (bitmap.width() != AlbumImageSide || bitmap.height() != AlbumImageSide
        || bitmap.format() != QImage::Format_RGB32)
        bitmap = QImage(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    DecodeImage(packed, reinterpret_cast<Rgb *>(bitmap.bits()),
                bitmap.bytesPerLine() / static_cast<qsizetype>(sizeof(Rgb)));
}

QImage DeviceView(const QImage &albumImage)
{
    PackedImage packed{};
    EncodeImage(albumImage, packed);
    QImage shown(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    DecodeImage(packed, shown);
    return shown;
}

ImageRecord CompressAlbumImage(const QImage &image, const ImageCompressor &compress)
{
    const QImage rgb = asRgb32(image);
    return CompressAlbumImage(ViewOf(rgb), compress);
}

QImage DecodeRecordImage(std::span<const std::uint8_t> payload)
{
    PackedImage packed{};
    DecompressImage(payload, packed);
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    DecodeImage(packed, image);
    return image;
}
