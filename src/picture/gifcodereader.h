// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The pixels of a GIF frame decoded as Qt's reader decoded them, where giflib
// does not give the same: codes that start wider than giflib reads (a
// smallest code size of 9 to 11 bits, which some writers give 8-bit
// pictures), whose low 8 bits are the colour index; and a frame whose data
// ends inside a line, of which Qt kept the pixels that came.
class GifCodeReader
{
public:
    enum class Line {
        Whole,
        EndedEarly, // the data or an end code came before the line was full
        Defect,     // a code that names no string
    };

    // `data` starts with the frame's first sub-block, after its code size;
    // `codeSize` is at most 11.
    GifCodeReader(std::span<const std::uint8_t> data, int codeSize);

    // Fills `line` with the next pixels; after EndedEarly, filled() says how
    // many came.
    Line readLine(std::span<std::uint8_t> line);
    std::size_t filled() const { return m_filled; }

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
    std::size_t m_filled = 0;
};
