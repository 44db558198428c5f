// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// SHA-256 (FIPS 180-4) of our own: the cross and WebAssembly targets have no
// crypto library, and the golden albums are compared by it everywhere.

class Sha256
{
public:
    Sha256();
    // Takes more of the message; any split of it gives the same digest.
    void add(std::span<const std::uint8_t> bytes);
    // The digest of everything added; the object is spent afterwards.
    std::array<std::uint8_t, 32> finish();

private:
    void compress(const std::uint8_t *block);

    std::array<std::uint32_t, 8> m_state;
    std::array<std::uint8_t, 64> m_block{};
    std::size_t m_filled = 0;
    std::uint64_t m_length = 0; // in bytes; the padding states it in bits
};

// The digest of `bytes` as 64 lower-case hex digits.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);
