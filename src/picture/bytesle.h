// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The picture formats' integers are little-endian whatever the machine's own
// order: read a byte at a time, never through a cast of the bytes. The caller
// has checked that `at` and the bytes after it lie inside `bytes`.

inline std::uint16_t U16At(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8
           | static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

inline std::int32_t I32At(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::int32_t>(U32At(bytes, at));
}
