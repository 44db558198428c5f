// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/qtconversion.h"

#include "conversion/albumconversion.h"
#include "conversion/placement.h"
#include "picture/albumbitmap.h"

#include <QTransform>

#include <algorithm>

RgbPicture RgbPictureOf(const QImage &image)
{
    if (image.isNull())
        return {};
    const bool alpha = image.hasAlphaChannel();
    const QImage rgb = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    RgbPicture picture(rgb.width(), rgb.height(), 0xFFFFFFFFu, alpha);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(reinterpret_cast<const Rgb *>(rgb.constScanLine(y)), rgb.width(), picture.row(y));
    return picture;
}

QImage ConvertToAlbumImage(const QImage &picture, const ConversionOptions &options)
{
    return ToQImage(ConvertToAlbumBitmap(RgbPictureOf(picture), options));
}

QImage ScaleToAlbumImage(const QImage &picture)
{
    return ConvertToAlbumImage(picture, {});
}

QImage TurnedImage(const QImage &picture, int quarterTurns)
{
    const int turns = ((quarterTurns % 4) + 4) % 4;
    if (turns == 0 || picture.isNull())
        return picture;
    return picture.transformed(QTransform().rotate(90 * turns));
}

QRect PlacementSourceOf(QSize size, const ConversionOptions &options)
{
    const PixelRect source = PlacementSource(size.width(), size.height(), options);
    return {source.x, source.y, source.width, source.height};
}

CropSquare CropSquareOf(const QRectF &square)
{
    return {square.x(), square.y(), square.width(), square.height()};
}

QRectF RectOf(const CropSquare &square)
{
    return {square.x, square.y, square.width, square.height};
}

QStringList NameList(std::span<const std::string_view> names)
{
    QStringList list;
    for (std::string_view name : names)
        list.append(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    return list;
}
