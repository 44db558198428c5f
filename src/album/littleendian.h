// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

// The album's integers are little-endian whatever the machine's own order:
// read and written a byte at a time, never through a cast of the bytes.

// The unsigned integer stored in the first sizeof(T) bytes of `bytes`, which
// must hold that many.
template <typename T>
requires std::is_unsigned_v<T> T ReadLittleEndian(std::span<const std::uint8_t> bytes)
{
    T value = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        value = static_cast<T>(value << 8 | bytes[i]);
    return value;
}

// Appends `value` to `out`, lowest byte first.
template <typename T>
requires std::is_unsigned_v<T>
void AppendLittleEndian(std::vector<std::uint8_t> &out, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
