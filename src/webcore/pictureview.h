// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/rgbpicture.h"

// A picture shrunk to fit within maxSide x maxSide, aspect kept, each pixel
// the average of the pixels it covers (colour weighted by alpha, so a
// transparent pixel's hidden colour does not bleed); a picture that fits
// already comes back as it is. For showing a picture, never for an album.
RgbPicture ShrunkToFit(const RgbPicture &picture, int maxSide);
