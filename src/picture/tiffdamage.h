// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// Whether a TIFF file lacks bytes that one of its directories names: a tag's
// value, a strip or a tile, on any page, or a directory itself. libtiff
// reads only what the first page needs and takes a missing tag value as a
// warning; a file cut short is damaged all the same, as for the other types.
bool IsCutShortTiff(std::span<const std::uint8_t> file);
