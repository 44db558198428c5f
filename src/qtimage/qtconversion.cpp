// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtimage/qtconversion.h"

#include "conversion/albumconversion.h"
#include "conversion/placement.h"
#include "qtimage/albumbitmap.h"

#include <QTransform>

#include <algorithm>

RgbPicture RgbPictureOf(const QImage &image)
{
    if (image.isNull())
        return {};
    const bool alpha = image.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    // Converted a row at a time straight into the picture's own rows, so a
    // large picture is never held three times over.
    RgbPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.hasAlpha = alpha;
    picture.pixels.resize(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    if (image.format() == format) {
        for (int y = 0; y < image.height(); ++y)
            std::copy_n(reinterpret_cast<const Rgb *>(image.constScanLine(y)), image.width(), picture.row(y));
        return picture;
    }
    constexpr int Band = 256; // rows converted at once
    for (int top = 0; top < image.height(); top += Band) {
        const int rows = std::min(Band, image.height() - top);
        const QImage band = image.copy(0, top, image.width(), rows).convertToFormat(format);
        for (int y = 0; y < rows; ++y)
            std::copy_n(reinterpret_cast<const Rgb *>(band.constScanLine(y)), image.width(), picture.row(top + y));
    }
    return picture;
}

QImage ConvertToAlbumImage(const QImage &picture, const ConversionOptions &options)
{
    // An unturned RGB32 or ARGB32 picture is placed from its own rows.
    const ImageView rows = ViewOf(picture);
    if (((options.quarterTurns % 4) + 4) % 4 == 0 && rows.pixels != nullptr)
        return ToQImage(ReducePlacedSquare(PlaceOnSquare(rows, picture.hasAlphaChannel(), options), options));
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
