// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Rows of a bitmap's pixels, shared by the bitmap and icon readers.

// 256 colours, as many as an 8-bit index can name.
using Palette = std::array<Rgb, 256>;

// A file's colour table, opaque: its first `count` (at most 256) entries stored
// blue, green, red and, when `entryBytes` is 4, a byte that is ignored; the
// entries past it `beyond`. `table` holds at least count * entryBytes bytes.
Palette ReadPalette(std::span<const std::uint8_t> table, std::size_t count, std::size_t entryBytes, Rgb beyond);

// How each colour is taken out of a 16- or 32-bit pixel: masked, shifted
// down to its lowest bit, then multiplied by 256 / (its largest value + 1), so
// a 5-bit colour becomes 0 to 248 in steps of 8. A mask wider than 8 bits is
// shifted until its top 8 bits remain instead.
struct BitFields
{
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
    std::array<unsigned, 4> shifts{};
    std::array<std::uint32_t, 4> factors{};
};

// The fields for the given masks (red, green, blue, alpha).
BitFields BitFieldsOf(const std::array<std::uint32_t, 4> &masks);

// The fields of an uncompressed pixel: 5 bits each at 16 bits, bytes at 24 and 32.
BitFields DefaultBitFields(std::uint32_t bits);

// One row of `width` pixels of 1, 4 or 8 bits, the highest bits first, looked
// up in `palette`. `row` holds at least the row's bytes.
void UnpackIndexedRow(std::span<const std::uint8_t> row, std::uint32_t bits, std::size_t width, const Palette &palette,
                      Rgb *out);

// One row of `width` pixels of 16, 24 or 32 bits, little-endian, taken apart
// by `fields`; opaque unless `withAlpha`. `row` holds at least the row's bytes.
void UnpackFieldsRow(std::span<const std::uint8_t> row, std::uint32_t bits, std::size_t width, const BitFields &fields,
                     bool withAlpha, Rgb *out);
