// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/rgbpicture.h"

// A picture stored turned or mirrored, as an EXIF or TIFF Orientation value
// says: 1 upright, 2 mirrored left to right, 3 turned half round, 4 mirrored
// top to bottom, 5 mirrored along the main diagonal, 6 to be turned a quarter
// clockwise, 7 mirrored along the other diagonal, 8 to be turned a quarter
// anticlockwise.

// The picture upright: `orientation` applied. Any value outside 1 to 8 is
// taken as 1, as viewers take it.
RgbPicture OrientedPicture(RgbPicture picture, int orientation);
