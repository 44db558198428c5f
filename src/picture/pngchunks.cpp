// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/pngchunks.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// A PNG file: the 8-byte signature, then chunks of a 4-byte length, a 4-byte
// type, the data and a CRC-32 of type and data, up to and including IEND.
// PNG's integers are big-endian.
constexpr std::array<std::uint8_t, 8> Signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t ChunkFraming = 12; // length, type, CRC
constexpr std::uint32_t LargestChunk = 0x7FFFFFFF;
constexpr std::array<std::uint8_t, 4> EndChunk{'I', 'E', 'N', 'D'};

std::uint32_t ReadBigEndian32(std::span<const std::uint8_t> bytes)
{
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 | std::uint32_t(bytes[2]) << 8
           | std::uint32_t(bytes[3]);
}

// zlib's crc32 takes at most a uInt at a time; a chunk is at most 2^31 bytes.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    while (!bytes.empty()) {
        const std::size_t part = std::min<std::size_t>(bytes.size(), 1u << 30);
        crc = crc32(crc, bytes.data(), static_cast<uInt>(part));
        bytes = bytes.subspan(part);
    }
    return static_cast<std::uint32_t>(crc);
}

} // namespace

bool HasPngSignature(std::span<const std::uint8_t> file)
{
    return file.size() >= Signature.size() && std::equal(Signature.begin(), Signature.end(), file.begin());
}

// Every chunk must be whole and carry its right checksum, and the file must
// reach its end chunk: that finds a file cut short and stored bytes that
// changed, at the cost of a checksum rather than a second decode. What comes
// after the end chunk is not looked at, as the decoder never reads it.
bool HasDamagedPngChunks(std::span<const std::uint8_t> file)
{
    if (!HasPngSignature(file))
        return false;
    std::span<const std::uint8_t> rest = file.subspan(Signature.size());
    while (true) {
        if (rest.size() < ChunkFraming)
            return true;
        const std::uint32_t length = ReadBigEndian32(rest);
        if (length > LargestChunk || rest.size() - ChunkFraming < length)
            return true;
        const std::span<const std::uint8_t> typeAndData = rest.subspan(4, 4 + std::size_t(length));
        if (Crc32(typeAndData) != ReadBigEndian32(rest.subspan(8 + std::size_t(length))))
            return true;
        if (std::equal(EndChunk.begin(), EndChunk.end(), typeAndData.begin()))
            return false;
        rest = rest.subspan(ChunkFraming + length);
    }
}
