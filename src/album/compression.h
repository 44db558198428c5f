// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Largest payload an album record may carry: readers keep one buffer of this size.
inline constexpr std::size_t CompressedImageCapacity = 4318;

// The library's documented worst case for one packed image
// (input + input / 16 + 64 + 3): compression always writes into this much room.
inline constexpr std::size_t CompressionWorstCase = PackedImageSize + PackedImageSize / 16 + 64 + 3;

// True when the compression library initialises (lzo_init returns LZO_E_OK).
// The program must not start without it.
bool InitCompression();

// Compresses one packed image with the library's best (999) compressor into
// `out`, which is resized to the result. Returns the compressed size, or 0 when
// the library fails or the result is longer than CompressedImageCapacity (no
// reader could take it back).
std::size_t CompressImage(const PackedImage &packed, std::vector<std::uint8_t> &out);

// Decompresses `compressed` into `packed` with the library's checked
// decompressor, never writing more than PackedImageSize bytes nor reading past
// the input. Returns the number of bytes produced, or 0 on any error or when
// nothing was produced. Bytes that the stream does not produce are zero.
std::size_t DecompressImage(std::span<const std::uint8_t> compressed, PackedImage &packed);
