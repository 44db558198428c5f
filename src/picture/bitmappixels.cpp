// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/bitmappixels.h"

namespace {

constexpr Rgb Opaque = 0xFF000000u;

// The shift that brings a mask's lowest bit to bit 0, or its top 8 bits to
// bits 0 to 7 when it is wider than that.
unsigned ShiftFor(std::uint32_t mask)
{
    unsigned shift = 0;
    while (mask >= 0x100 || (mask != 0 && (mask & 1) == 0)) {
        ++shift;
        mask >>= 1;
    }
    return shift;
}

} // namespace

Palette ReadPalette(std::span<const std::uint8_t> table, std::size_t count, std::size_t entryBytes, Rgb beyond)
{
    Palette palette;
    palette.fill(beyond);
    for (std::size_t i = 0; i < count && i < palette.size(); ++i) {
        const std::size_t at = i * entryBytes;
        palette[i] = Opaque | static_cast<Rgb>(table[at + 2]) << 16 | static_cast<Rgb>(table[at + 1]) << 8 | table[at];
    }
    return palette;
}

BitFields BitFieldsOf(const std::array<std::uint32_t, 4> &masks)
{
    BitFields fields;
    fields.masks = masks;
    for (std::size_t i = 0; i < 4; ++i) {
        unsigned shift = 0;
        while (masks[i] != 0 && ((masks[i] >> shift) & 1) == 0)
            ++shift;
        const std::uint32_t largest = masks[i] >> shift;
        if (largest >= 0x100) {
            fields.shifts[i] = ShiftFor(masks[i]);
            fields.factors[i] = 1;
        } else {
            fields.shifts[i] = shift;
            fields.factors[i] = 256 / (largest + 1);
        }
    }
    return fields;
}

BitFields DefaultBitFields(std::uint32_t bits)
{
    if (bits == 16)
        return BitFieldsOf({0x7C00u, 0x03E0u, 0x001Fu, 0});
    return BitFieldsOf({0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0});
}

void UnpackIndexedRow(std::span<const std::uint8_t> row, std::uint32_t bits, std::size_t width, const Palette &palette,
                      Rgb *out)
{
    const unsigned perByte = 8 / bits;
    const unsigned valueMask = (1u << bits) - 1;
    for (std::size_t x = 0; x < width; ++x) {
        const std::uint8_t byte = row[x / perByte];
        const unsigned shift = 8 - bits * (static_cast<unsigned>(x % perByte) + 1);
        out[x] = palette[(byte >> shift) & valueMask];
    }
}

void UnpackFieldsRow(std::span<const std::uint8_t> row, std::uint32_t bits, std::size_t width, const BitFields &fields,
                     bool withAlpha, Rgb *out)
{
    const std::size_t bytes = bits / 8;
    for (std::size_t x = 0; x < width; ++x) {
        std::uint32_t value = 0;
        for (std::size_t i = bytes; i-- > 0;)
            value = value << 8 | row[x * bytes + i];
        std::array<std::uint32_t, 4> channel{};
        for (std::size_t i = 0; i < 4; ++i)
            channel[i] = ((value & fields.masks[i]) >> fields.shifts[i]) * fields.factors[i] & 0xFF;
        const std::uint32_t alpha = withAlpha ? channel[3] : 0xFF;
        out[x] = alpha << 24 | channel[0] << 16 | channel[1] << 8 | channel[2];
    }
}
