// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/squareplacement.h"

#include "picture/albumbitmap.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

struct Placement
{
    QRect source; // the part of the picture that is used
    QRect target; // where it goes in the square
};

// Where `length` goes in `room`: at the start, the end or halfway, as the
// gravity leans along that axis (-1 start, 1 end, 0 middle).
int leaning(int room, int length, int lean)
{
    return lean < 0 ? 0 : lean > 0 ? room - length : (room - length) / 2;
}

int horizontalLean(Gravity gravity)
{
    switch (gravity) {
    case Gravity::West:
    case Gravity::NorthWest:
    case Gravity::SouthWest:
        return -1;
    case Gravity::East:
    case Gravity::NorthEast:
    case Gravity::SouthEast:
        return 1;
    default:
        return 0;
    }
}

int verticalLean(Gravity gravity)
{
    switch (gravity) {
    case Gravity::North:
    case Gravity::NorthEast:
    case Gravity::NorthWest:
        return -1;
    case Gravity::South:
    case Gravity::SouthEast:
    case Gravity::SouthWest:
        return 1;
    default:
        return 0;
    }
}

// A hand-chosen square in pixels: as large as its normalised rectangle
// allows in both directions, at least one pixel, moved inside the picture.
QRect chosenSquare(QSize picture, const QRectF &chosen)
{
    const int width = picture.width();
    const int height = picture.height();
    const int side = std::clamp(int(std::lround(std::min(chosen.width() * width, chosen.height() * height))), 1,
                                std::min(width, height));
    const int left = std::clamp(int(std::lround(chosen.x() * width)), 0, width - side);
    const int top = std::clamp(int(std::lround(chosen.y() * height)), 0, height - side);
    return {left, top, side, side};
}

Placement placementOf(QSize picture, const ConversionOptions &options)
{
    const QRect square(0, 0, AlbumImageSide, AlbumImageSide);
    const int width = picture.width();
    const int height = picture.height();
    const int across = horizontalLean(options.gravity);
    const int down = verticalLean(options.gravity);
    switch (options.fit) {
    case PictureFit::Stretch:
        break;
    case PictureFit::Crop: {
        if (options.cropSquare && !picture.isEmpty())
            return {chosenSquare(picture, *options.cropSquare), square};
        const int side = std::min(width, height);
        return {QRect(leaning(width, side, across), leaning(height, side, down), side, side), square};
    }
    case PictureFit::Pad: {
        // The long side fills the square; the short one keeps the ratio, rounded, at least one pixel.
        const int longSide = std::max(width, height);
        const int shortSide = std::max(1, (2 * AlbumImageSide * std::min(width, height) + longSide) / (2 * longSide));
        return {QRect(QPoint(0, 0), picture),
                width >= height ? QRect(0, leaning(AlbumImageSide, shortSide, down), AlbumImageSide, shortSide)
                                : QRect(leaning(AlbumImageSide, shortSide, across), 0, shortSide, AlbumImageSide)};
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

QImage PlaceOnSquare(const QImage &picture, const ConversionOptions &options)
{
    const bool smooth = options.smooth;
    if (options.fit == PictureFit::Stretch && !smooth)
        return ScaleToAlbumImage(picture);
    QImage square = whiteSquare();
    if (picture.isNull())
        return square;
    const Placement place = placementOf(picture.size(), options);
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

QRect PlacementSource(QSize size, const ConversionOptions &options)
{
    return placementOf(size, options).source;
}

int ReducedDecodeScale(QSize size, const ConversionOptions &options)
{
    if (!size.isValid())
        return 1;
    const PictureFit fit = options.fit;
    int extent = fit == PictureFit::Pad ? std::max(size.width(), size.height()) : std::min(size.width(), size.height());
    if (fit == PictureFit::Crop && options.cropSquare) {
        // The size comes before any turn, so which side is which is unknown:
        // the smaller share of the shorter side is never more than the square.
        const QRectF chosen = *options.cropSquare;
        extent = int(std::min(chosen.width(), chosen.height()) * extent);
    }
    for (int scale : {8, 4, 2})
        if (extent / scale >= AlbumImageSide)
            return scale;
    return 1;
}
