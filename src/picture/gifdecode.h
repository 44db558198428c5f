// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturetypes.h"

#include <cstdint>
#include <span>

// A GIF file's first frame, read by giflib, with its transparency, interlace
// and local palette; a file that ends inside a block is Damaged.
PictureFileContents DecodeGif(std::span<const std::uint8_t> file);
