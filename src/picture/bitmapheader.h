// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Qt's bitmap reader knows the 12-, 40-, 108- and 124-byte info headers but
// refuses the 52- and 56-byte ones, which are the 40-byte header followed by
// the colour masks.

// True when the file is a bitmap with such a header.
bool HasMaskInfoHeader(std::span<const std::uint8_t> file);

// The same bitmap with its header grown to the 108-byte form, where the masks
// sit at the same place: the pixels and the palette stay as they are, only
// further on. Empty when the file has no such header or is too short to hold it.
std::vector<std::uint8_t> WithLongerInfoHeader(std::span<const std::uint8_t> file);
