// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturesignature.h"

#include <cstdint>
#include <span>

// Whether a whole picture file of `type` (as PictureTypeOf() tells it) is
// damaged: a JPEG or PNG whose data ends early or does not decode cleanly, a
// bitmap whose pixel data is shorter than its header says or whose run-length
// data runs past a row or the picture, a GIF that ends inside a block. False
// for anything it cannot judge (ICO, headers too odd to read), which the
// readers then accept or refuse themselves.
bool IsDamagedPicture(PictureType type, std::span<const std::uint8_t> file);
