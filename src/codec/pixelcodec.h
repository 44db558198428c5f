// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The device shows 92 x 92 pictures in seven grey levels. Each pixel is one
// nibble holding two 2-bit values whose sum is the level; two pixels share a
// byte, the even-numbered pixel in the low nibble.

inline constexpr int AlbumImageSide = 92;
inline constexpr std::size_t PackedImageSize = AlbumImageSide * AlbumImageSide / 2; // 4,232 bytes

using PackedImage = std::array<std::uint8_t, PackedImageSize>;

// Grey values that separate the seven levels: a luminance above the k-th
// threshold (and not above the next) is level k + 1.
inline constexpr std::array<std::uint8_t, 6> GreyThresholds{35, 99, 143, 175, 206, 238};

// A colour as one 32-bit word 0xAARRGGBB, the usual layout of an RGB32 bitmap.
using Rgb = std::uint32_t;

// Rows of RGB pixels owned elsewhere, `stride` pixels apart, so a picture
// held in any container converts without a copy.
struct ImageView
{
    const Rgb *pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // pixels from one row's start to the next
};

// An album image as it is shown: 92 x 92 pixels, row by row.
struct AlbumBitmap
{
    std::array<Rgb, AlbumImageSide * AlbumImageSide> pixels{};

    ImageView view() const { return {pixels.data(), AlbumImageSide, AlbumImageSide, AlbumImageSide}; }
    bool operator==(const AlbumBitmap &) const = default;
};

// Grey value (0-255) of an RGB colour: 0.3 R + 0.59 G + 0.11 B as x87 extended
// precision computes it (64-bit significands, each step rounded to nearest with
// ties to even), rounded to an integer with ties to even. Integer arithmetic
// throughout, so every CPU gives the same grey. The alpha byte is ignored.
std::uint8_t Luminance(Rgb colour);

// Level 0-6 of a luminance value: the number of thresholds it exceeds.
int GreyLevel(std::uint8_t luminance);

// Packs every pixel of the bitmap row by row into `out`, which must hold at
// least (width * height + 1) / 2 bytes, and returns the number of bytes written.
// Returns 0 and writes nothing when `out` is too small.
std::size_t EncodeImage(ImageView bitmap, std::span<std::uint8_t> out);

// Sets every pixel of `bitmap` from the packed bytes. Missing trailing bytes
// in `packed` decode as zero (black).
void DecodeImage(std::span<const std::uint8_t> packed, AlbumBitmap &bitmap);

// The same into rows of any 92 x 92 picture held elsewhere (at least 92
// pixels wide, `stride` pixels apart).
void DecodeImage(std::span<const std::uint8_t> packed, Rgb *pixels, std::ptrdiff_t stride);

// What the device shows for a 92 x 92 picture: the picture packed and unpacked
// again, so every pixel is one of the seven greys.
AlbumBitmap DeviceView(ImageView albumImage);

// The colour a stored nibble shows on the device.
Rgb NibbleColour(std::uint8_t nibble);
