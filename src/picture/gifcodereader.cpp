// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/gifcodereader.h"

GifCodeReader::GifCodeReader(std::span<const std::uint8_t> data, int codeSize)
    : m_data(data)
    , m_smallestSize(codeSize)
    , m_codeSize(codeSize + 1)
    , m_clear(1 << codeSize)
    , m_nextCode(m_clear + 2)
    , m_nextWidening(2 * m_clear)
{
    for (int code = 0; code < m_clear; ++code)
        m_suffix[code] = static_cast<std::uint16_t>(code);
    m_pending.reserve(LargestCodes);
}

void GifCodeReader::resetCodes()
{
    m_codeSize = m_smallestSize + 1;
    m_nextCode = m_clear + 2;
    m_nextWidening = 2 * m_clear;
}

// Codes are packed lowest bit first across sub-blocks of a length byte and
// that many bytes; a zero length ends them.
int GifCodeReader::nextCode()
{
    while (m_bitCount < m_codeSize) {
        if (m_dataEnded)
            return -1;
        if (m_blockLeft == 0) {
            if (m_at >= m_data.size() || m_data[m_at] == 0) {
                m_dataEnded = true;
                return -1;
            }
            m_blockLeft = m_data[m_at++];
            if (m_data.size() - m_at < m_blockLeft) {
                m_dataEnded = true;
                return -1;
            }
        }
        m_bits |= std::uint32_t(m_data[m_at++]) << m_bitCount;
        m_bitCount += 8;
        --m_blockLeft;
    }
    const int code = static_cast<int>(m_bits & ((1u << m_codeSize) - 1));
    m_bits >>= m_codeSize;
    m_bitCount -= m_codeSize;
    return code;
}

GifCodeReader::Line GifCodeReader::readLine(std::span<std::uint8_t> line)
{
    std::size_t x = 0;
    while (x < line.size()) {
        if (!m_pending.empty()) {
            line[x++] = static_cast<std::uint8_t>(m_pending.back());
            m_pending.pop_back();
            continue;
        }
        int code = nextCode();
        if (code < 0 || code == m_clear + 1) {
            m_filled = x;
            return Line::EndedEarly;
        }
        if (code == m_clear) {
            resetCodes();
            m_needFirst = true;
            continue;
        }
        if (m_needFirst) {
            m_first = m_previous = code;
            m_needFirst = false;
            line[x++] = static_cast<std::uint8_t>(code);
            continue;
        }
        const int incoming = code;
        if (code >= m_nextCode) {
            // The code being defined: the previous string and its own first pixel.
            m_pending.push_back(static_cast<std::uint16_t>(m_first));
            code = m_previous;
        }
        while (code >= m_clear + 2) {
            if (code >= m_nextCode || code == m_prefix[code] || m_pending.size() >= LargestCodes)
                return Line::Defect;
            m_pending.push_back(m_suffix[code]);
            code = m_prefix[code];
        }
        m_first = m_suffix[code];
        m_pending.push_back(static_cast<std::uint16_t>(m_first));
        if (m_nextCode < LargestCodes) {
            m_prefix[m_nextCode] = static_cast<std::uint16_t>(m_previous);
            m_suffix[m_nextCode] = static_cast<std::uint16_t>(m_first);
            ++m_nextCode;
            if (m_nextCode >= m_nextWidening && m_nextWidening < LargestCodes) {
                m_nextWidening *= 2;
                ++m_codeSize;
            }
        }
        m_previous = incoming;
    }
    m_filled = x;
    return Line::Whole;
}
