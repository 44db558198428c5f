// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/albumbitmap.h"

#include <algorithm>

namespace {

bool isRgb32(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

} // namespace

ImageView ViewOf(const QImage &rgb32)
{
    if (!isRgb32(rgb32) || rgb32.isNull())
        return {};
    return {reinterpret_cast<const Rgb *>(rgb32.constBits()), rgb32.width(), rgb32.height(),
            rgb32.bytesPerLine() / static_cast<qsizetype>(sizeof(Rgb))};
}

QImage AsRgb32(const QImage &image)
{
    return isRgb32(image) ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage ToQImage(const AlbumBitmap &bitmap)
{
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (int y = 0; y < AlbumImageSide; ++y)
        std::copy_n(bitmap.pixels.data() + static_cast<std::ptrdiff_t>(y) * AlbumImageSide, AlbumImageSide,
                    reinterpret_cast<Rgb *>(image.scanLine(y)));
    return image;
}

AlbumBitmap AlbumBitmapOf(const QImage &albumImage)
{
    AlbumBitmap bitmap;
    bitmap.pixels.fill(0xFFFFFFFFu);
    const QImage rgb = AsRgb32(albumImage);
    const int width = std::min(rgb.width(), AlbumImageSide);
    for (int y = 0; y < std::min(rgb.height(), AlbumImageSide); ++y)
        std::copy_n(reinterpret_cast<const Rgb *>(rgb.constScanLine(y)), width,
                    bitmap.pixels.data() + static_cast<std::ptrdiff_t>(y) * AlbumImageSide);
    return bitmap;
}

std::size_t EncodeImageOf(const QImage &bitmap, std::span<std::uint8_t> out)
{
    const QImage rgb = AsRgb32(bitmap);
    return EncodeImage(ViewOf(rgb), out);
}

void DecodeImageInto(std::span<const std::uint8_t> packed, QImage &bitmap)
{
    if (bitmap.width() != AlbumImageSide || bitmap.height() != AlbumImageSide
        || bitmap.format() != QImage::Format_RGB32)
        bitmap = QImage(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    DecodeImage(packed, reinterpret_cast<Rgb *>(bitmap.bits()),
                bitmap.bytesPerLine() / static_cast<qsizetype>(sizeof(Rgb)));
}

QImage DeviceViewOf(const QImage &albumImage)
{
    PackedImage packed{};
    EncodeImageOf(albumImage, packed);
    QImage shown(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    DecodeImageInto(packed, shown);
    return shown;
}
