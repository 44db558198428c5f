// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumwriter.h"
#include "codec/rgbpicture.h"
#include "goldensets.h"

#include <vector>

// The album `valbum create` writes for these pictures with the set's
// choices (with --best-fit when the set says so), without a password.
AlbumWriteResult GoldenAlbum(const std::vector<RgbPicture> &pictures, const GoldenSet &set);
