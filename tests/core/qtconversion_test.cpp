// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/albumconversion.h"
#include "conversion/placement.h"
#include "picture/albumbitmap.h"
#include "picture/qtconversion.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <string>

namespace {

// The painter's placement the albums were made with until conversion became
// our own: the reference for every picture format a reader may hand on.
QImage paintedSquare(const QImage &picture, const ConversionOptions &options)
{
    QImage square(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    square.fill(Qt::white);
    QPainter painter(&square);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (options.fit == PictureFit::Stretch) {
        painter.drawImage(QRect(0, 0, AlbumImageSide, AlbumImageSide), picture);
        return square;
    }
    const Placement place = PlacementOf(picture.width(), picture.height(), options);
    painter.drawImage(QRect(place.target.x, place.target.y, place.target.width, place.target.height), picture,
                      QRect(place.source.x, place.source.y, place.source.width, place.source.height));
    return square;
}

QImage pattern(QSize size, QImage::Format format, bool withAlpha)
{
    QImage picture(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(
                x, y,
                qRgba((x * 37 + y) % 256, (y * 11) % 256, (x ^ y) % 256, withAlpha ? (x * 5 + y * 3) % 256 : 255));
    return picture.convertToFormat(format);
}

// Where two squares first differ, for a readable failure; empty when they agree.
std::string firstDifference(const QImage &ours, const QImage &painted)
{
    for (int y = 0; y < AlbumImageSide; ++y)
        for (int x = 0; x < AlbumImageSide; ++x)
            if (ours.pixel(x, y) != painted.pixel(x, y))
                return "at " + std::to_string(x) + "," + std::to_string(y) + ": "
                       + QString::number(ours.pixel(x, y), 16).toStdString() + " against the painter's "
                       + QString::number(painted.pixel(x, y), 16).toStdString();
    return {};
}

struct FormatCase
{
    const char *name;
    QImage::Format format;
    bool withAlpha;
};

// The formats Qt's own readers hand on; opaque ones must match the painter
// exactly, and so must straight alpha.
const FormatCase FormatCases[] = {
    {"RGB32", QImage::Format_RGB32, false},
    {"ARGB32 opaque", QImage::Format_ARGB32, false},
    {"ARGB32 with alpha", QImage::Format_ARGB32, true},
    {"RGB888", QImage::Format_RGB888, false},
    {"Grayscale8", QImage::Format_Grayscale8, false},
};

TEST(QtConversion, NearestPlacementIsThePaintersForEveryFormat)
{
    for (const FormatCase &test : FormatCases)
        for (QSize size :
             {QSize(1, 1), QSize(5, 1), QSize(92, 92), QSize(91, 93), QSize(300, 77), QSize(37, 250), QSize(1000, 999)})
            for (PictureFit fit : {PictureFit::Stretch, PictureFit::Crop, PictureFit::Pad})
                for (Gravity gravity : {Gravity::Center, Gravity::SouthEast, Gravity::NorthWest}) {
                    ConversionOptions options;
                    options.fit = fit;
                    options.gravity = gravity;
                    const QImage picture = pattern(size, test.format, test.withAlpha);
                    EXPECT_EQ(firstDifference(ConvertToAlbumImage(picture, options), paintedSquare(picture, options)),
                              "")
                        << test.name << " " << size.width() << "x" << size.height() << " fit " << int(fit)
                        << " gravity " << int(gravity);
                }
}

TEST(QtConversion, TurnsAreQtsTurns)
{
    const QImage picture = pattern(QSize(7, 4), QImage::Format_ARGB32, true);
    for (int turns : {0, 1, 2, 3, -1, 6}) {
        const RgbPicture turned = TurnedPicture(RgbPictureOf(picture), turns);
        EXPECT_EQ(turned, RgbPictureOf(TurnedImage(picture, turns))) << turns;
    }
}

TEST(QtConversion, EdgesCarryPixelsAndSquares)
{
    const QImage picture = pattern(QSize(92, 92), QImage::Format_RGB32, false);
    EXPECT_EQ(ToQImage(AlbumBitmapOf(picture)), picture);
    const QRectF square(0.25, 0.5, 0.125, 0.375);
    EXPECT_EQ(RectOf(CropSquareOf(square)), square);
    EXPECT_EQ(NameList(GravityNames).size(), static_cast<qsizetype>(GravityNames.size()));
    EXPECT_EQ(NameList(GreyDitherNames).at(5), QStringLiteral("compact-diffusion"));
    EXPECT_EQ(PlacementSourceOf(QSize(300, 100), ConversionOptions{PictureFit::Crop}), QRect(100, 0, 100, 100));
}

} // namespace
