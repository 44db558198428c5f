// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The pixels of a GIF frame whose codes start wider than giflib reads: a
// smallest code size of 9 to 12 bits, which some writers give 8-bit
// pictures and Qt's reader read. Each code's low 8 bits are the colour index.
class WideCodeDecoder
{
public:
    enum class Line {
        Whole,
        EndedEarly, // the data or an end code came before the line was full
        Defect,     // a code that names no string
    };

    // `data` starts with the frame's first sub-block, after its code size;
    // `codeSize` is 9 to 12.
    WideCodeDecoder(std::span<const std::uint8_t> data, int codeSize);

    // Fills `line` with the next pixels; after anything but Whole, how much
    // of it was filled is not said.
    Line readLine(std::span<std::uint8_t> line);

private:
    // The next code, or -1 when the sub-blocks end.
    int nextCode();
    void resetCodes();

    static constexpr int LargestCodes = 4096; // 12 bits
    std::span<const std::uint8_t> m_data;
    std::size_t m_at = 0;
    std::size_t m_blockLeft = 0;
    bool m_dataEnded = false;
    std::uint32_t m_bits = 0;
    int m_bitCount = 0;
    int m_smallestSize;
    int m_codeSize;
    int m_clear;
    int m_nextCode;
    int m_nextWidening;
    int m_previous = 0;
    int m_first = 0;
    bool m_needFirst = true;
    std::array<std::uint16_t, LargestCodes> m_prefix{};
    std::array<std::uint16_t, LargestCodes> m_suffix{};
    std::vector<std::uint16_t> m_pending; // a string's pixels, last first
};
