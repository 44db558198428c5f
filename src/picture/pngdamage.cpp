// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include "picture/byteorder.h"

#include <zlib.h>

namespace {

// A PNG file: the 8-byte signature, then chunks of a 4-byte length, a 4-byte
// type, the data and a CRC-32 of type and data, up to and including IEND.
constexpr std::string_view Signature("\x89PNG\r\n\x1a\n", 8);
constexpr std::size_t ChunkFraming = 12; // length, type, CRC
constexpr std::uint32_t LargestChunk = 0x7FFFFFFF;

} // namespace

// Every chunk must be whole and carry its right checksum, and the file must
// reach its end chunk: that finds a file cut short and stored bytes that
// changed, at the cost of a checksum rather than a second decode. Damage in
// the compressed rows that the checksums do not show makes Qt's reader fail,
// which the import reports as damage too.
bool IsDamagedPng(std::span<const std::uint8_t> file)
{
    if (!HasBytesAt(file, 0, Signature))
        return false; // not for this check to judge
    std::size_t at = Signature.size();
    while (true) {
        if (file.size() - at < ChunkFraming)
            return true;
        const std::uint32_t length = U32be(file, at);
        if (length > LargestChunk || file.size() - at - ChunkFraming < length)
            return true;
        const FileBytes typeAndData = file.subspan(at + 4, 4 + std::size_t(length));
        const uLong crc = crc32(crc32(0L, Z_NULL, 0), typeAndData.data(), static_cast<uInt>(typeAndData.size()));
        if (crc != U32be(file, at + 8 + length))
            return true;
        if (CharsOf(typeAndData.first(4)) == "IEND")
            return false;
        at += ChunkFraming + length;
    }
}
