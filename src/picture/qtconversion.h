// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/rgbpicture.h"
#include "conversion/conversionoptions.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QStringList>

#include <span>
#include <string_view>

// Where a front end holding QImage, QRectF and QString meets conversion
// (conversion/albumconversion.h), which knows none of them.

// A picture of any format as conversion takes it: straight alpha where the
// image has an alpha channel, else opaque.
RgbPicture RgbPictureOf(const QImage &image);

// The album image of a picture with the given options, as a 92 x 92 RGB32
// image: ConvertToAlbumBitmap() over RgbPictureOf(). A null picture gives white.
QImage ConvertToAlbumImage(const QImage &picture, const ConversionOptions &options);

// The plain import's album image: ConvertToAlbumImage() with default options.
QImage ScaleToAlbumImage(const QImage &picture);

// The picture turned clockwise by `quarterTurns` quarter turns, for showing it.
QImage TurnedImage(const QImage &picture, int quarterTurns);

// PlacementSource() for a picture of `size`.
QRect PlacementSourceOf(QSize size, const ConversionOptions &options);

// The hand-chosen crop square as a rectangle of shares and back.
CropSquare CropSquareOf(const QRectF &square);
QRectF RectOf(const CropSquare &square);

// Choice names (conversionoptions.h) as a front end lists them.
QStringList NameList(std::span<const std::string_view> names);
