// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"
#include "codec/rgbpicture.h"
#include "conversion/conversionoptions.h"

// A read picture's whole way to an album image, once it is read: turned,
// placed on the square (placement.h), then toned and reduced to the greys
// (greyreduction.h), in that order.

// The picture turned clockwise by `quarterTurns` quarter turns (any whole
// number; 0 gives it back as it is).
RgbPicture TurnedPicture(const RgbPicture &picture, int quarterTurns);

// The album image of a picture with the given options: opaque, transparent
// parts and an empty picture white. With reducesToGreys() every pixel is one
// of the seven colours the device shows, so DeviceView() gives it back unchanged.
AlbumBitmap ConvertToAlbumBitmap(const RgbPicture &picture, const ConversionOptions &options);

// The album image of a square already placed with `options`' fit and
// smoothing (a conversion with the same fit and smoothing and no tone or
// greys): the same image ConvertToAlbumBitmap() gives the picture, so several
// renderings of one picture need it read and placed only once.
AlbumBitmap ReducePlacedSquare(AlbumBitmap square, const ConversionOptions &options);
