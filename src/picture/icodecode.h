// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturetypes.h"

#include <cstdint>
#include <span>

// An icon or cursor file (ICO or CUR), the picture in it a bitmap without
// its file header or a whole PNG, checked as DecodeBmp() and DecodePng()
// check theirs. Its first entry is read, at the size its directory gives; a
// directory with no entry, or one outside the file, is Malformed
// (IconDirectory); a 16-bit bitmap is UnsupportedVariant.
PictureFileContents DecodeIco(std::span<const std::uint8_t> file);
