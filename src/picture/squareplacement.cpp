// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/squareplacement.h"

#include "codec/pixelcodec.h"

#include <QPainter>

#include <algorithm>

namespace {

struct Placement
{
    QRect source; // the part of the picture that is used
    QRect target; // where it goes in the square
};

Placement placementOf(QSize picture, PictureFit fit)
{
    const QRect square(0, 0, AlbumImageSide, AlbumImageSide);
    const int width = picture.width();
    const int height = picture.height();
    switch (fit) {
    case PictureFit::Stretch:
        break;
    case PictureFit::Crop: {
        const int side = std::min(width, height);
        return {QRect((width - side) / 2, (height - side) / 2, side, side), square};
    }
    case PictureFit::Pad: {
        // The long side fills the square; the short one keeps the ratio, rounded, at least one pixel.
        const int longSide = std::max(width, height);
        const int shortSide = std::max(1, (2 * AlbumImageSide * std::min(width, height) + longSide) / (2 * longSide));
        const int offset = (AlbumImageSide - shortSide) / 2;
        return {QRect(QPoint(0, 0), picture), width >= height ? QRect(0, offset, AlbumImageSide, shortSide)
                                                              : QRect(offset, 0, shortSide, AlbumImageSide)};
    }
    }
    return {QRect(QPoint(0, 0), picture), square};
}

QImage whiteSquare()
{
    QImage square(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    square.fill(Qt::white);
    return square;
}

// The picture's part over white, so transparency never reaches the averaging.
QImage opaqueRegion(const QImage &picture, const QRect &region)
{
    if (!picture.hasAlphaChannel())
        return picture.copy(region).convertToFormat(QImage::Format_RGB32);
    QImage opaque(region.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(QPoint(0, 0), picture, region);
    return opaque;
}

} // namespace

QImage ScaleToAlbumImage(const QImage &picture)
{
    QImage albumImage = whiteSquare();
    if (picture.isNull())
        return albumImage;
    // Without SmoothPixmapTransform the painter samples the nearest source pixel.
    QPainter painter(&albumImage);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, AlbumImageSide, AlbumImageSide), picture);
    return albumImage;
}

QImage PlaceOnSquare(const QImage &picture, PictureFit fit, bool smooth)
{
    if (fit == PictureFit::Stretch && !smooth)
        return ScaleToAlbumImage(picture);
    QImage square = whiteSquare();
    if (picture.isNull())
        return square;
    const Placement place = placementOf(picture.size(), fit);
    QPainter painter(&square);
    if (smooth) {
        // Qt's smooth scaling averages every covered source pixel by its area when shrinking.
        painter.drawImage(place.target.topLeft(),
                          opaqueRegion(picture, place.source)
                              .scaled(place.target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(place.target, picture, place.source);
    }
    return square;
}

int ReducedDecodeScale(QSize size, PictureFit fit)
{
    if (!size.isValid())
        return 1;
    const int extent =
        fit == PictureFit::Pad ? std::max(size.width(), size.height()) : std::min(size.width(), size.height());
    for (int scale : {8, 4, 2})
        if (extent / scale >= AlbumImageSide)
            return scale;
    return 1;
}
