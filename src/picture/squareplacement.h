// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/conversionoptions.h"

#include <QImage>
#include <QSize>

// The second step of a picture's way into an album: placing it on the
// 92 x 92 square, in full colour, on white.

// The whole picture stretched over the whole square, nearest-neighbour in
// both directions (no averaging, so no new colours), aspect ratio not kept,
// onto white so transparent parts and an empty picture come out white.
QImage ScaleToAlbumImage(const QImage &picture);

// The picture placed as the options' fit, gravity and crop square say,
// averaged while shrinking when they smooth; 92 x 92 RGB32. Stretch without
// smoothing is ScaleToAlbumImage(). The picture is turned already.
QImage PlaceOnSquare(const QImage &picture, const ConversionOptions &options);

// The part of a (turned) picture of `size` that PlaceOnSquare() uses.
QRect PlacementSource(QSize size, const ConversionOptions &options);

// The largest power-of-two reduction (at most the JPEG decoder's 1/8) that
// still leaves the part of a picture of `size` (before any turn) that the
// options show at least 92 pixels across.
int ReducedDecodeScale(QSize size, const ConversionOptions &options);
