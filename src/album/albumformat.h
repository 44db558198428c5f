// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// File layout, all integers little-endian:
//   0  4  magic "VAF\0"
//   4  4  password, unsigned; 0 means none
//   8  .. records: u16 length (payload + 2), u16 reserved (0), payload
// The device takes no file larger than AlbumSizeLimit bytes.
inline constexpr std::uint32_t AlbumMagic = 0x00464156;
inline constexpr std::int64_t AlbumHeaderSize = 8;
inline constexpr std::int64_t AlbumSizeLimit = 81'920;
inline constexpr std::int64_t RecordHeaderSize = 4;
// The reserved field after a record's length: written as zero, never checked.
inline constexpr std::int64_t ReservedFieldSize = 2;
// A reader stops after this many images so that a forged file of countless
// tiny records cannot take all memory; a real album holds under 3,000.
inline constexpr int MaxImagesPerRead = 10'000;

// The file name suffix of albums, without its dot.
inline constexpr char AlbumSuffix[] = "valbum";
