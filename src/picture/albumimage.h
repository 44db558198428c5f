// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/conversionoptions.h"
#include "picture/picturefile.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <span>

// A picture's import, its whole way into an album: the file read with its
// checks (picturefile.h), placed on the square (squareplacement.h), then toned and
// reduced to the greys (greyreduction.h), in that order.

// The picture turned clockwise by `quarterTurns` quarter turns (any whole
// number; 0 gives it back as it is).
QImage TurnedPicture(const QImage &picture, int quarterTurns);

// The 92 x 92 RGB32 album image of a picture read with the given options.
// Transparent parts and an empty picture come out white. With
// reducesToGreys() every pixel is one of the seven colours the device shows,
// so DeviceView() gives it back unchanged. Default options give exactly
// ScaleToAlbumImage().
QImage ConvertToAlbumImage(const QImage &picture, const ConversionOptions &options);

// The album image of a square already placed with `options`' fit and
// smoothing (a conversion with the same fit and smoothing and no tone or
// greys): the same image ConvertToAlbumImage() gives the picture, so several
// renderings of one picture need it read and placed only once.
QImage ReducePlacedSquare(QImage square, const ConversionOptions &options);

struct PictureImport
{
    bool ok = false;
    QImage albumImage; // 92 x 92 when ok
    PictureProblem problem;
};

// Imports a picture file: reads it with ReadPictureFile()'s checks and converts it. With
// smoothing on, a JPEG is decoded at a reduced scale by its decoder when the
// reduced picture is still at least as large as the part the square needs.
PictureImport ImportPicture(const QString &path, const ConversionOptions &options);

// The same from a whole file's bytes.
PictureImport ImportPictureBytes(std::span<const std::uint8_t> file, const ConversionOptions &options);

// A path as the readers take it.
std::filesystem::path PicturePath(const QString &path);
