// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/rgbpicture.h"

#include <cstdint>
#include <optional>
#include <span>

// The golden corpus's pictures (tests/data/golden/README.md): "ARGB", width,
// height and flags as 32-bit little-endian words, then the pixels as
// 0xAARRGGBB words, little-endian, straight alpha.

inline constexpr std::size_t GoldenHeaderSize = 16;

// The picture the bytes hold; nothing when they are not a whole, well-formed
// golden picture (wrong tag, a zero or oversized side, unknown flags, pixels
// missing or bytes left over, alpha below 0xFF in a picture without alpha).
std::optional<RgbPicture> ParseGoldenPicture(std::span<const std::uint8_t> bytes);
