// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturetypes.h"

#include <cstdint>
#include <span>

// A PNG file, read by libpng: the size checked against MaxPicturePixels from
// the header before any pixel is allocated; a file cut short or whose data
// does not decode cleanly is Damaged; libpng's warnings go to `warnings`.
PictureFileContents DecodePng(std::span<const std::uint8_t> file);
