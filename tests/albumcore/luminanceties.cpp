// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "luminanceties.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string_view>

void ForEachTieColour(const std::function<void(int r, int g, int b)> &visit)
{
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b)
                if ((30 * r + 59 * g + 11 * b) % 100 == 50)
                    visit(r, g, b);
}

namespace {

constexpr std::string_view Base64Digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

} // namespace

std::vector<std::uint8_t> ParseTieTable(const std::string &text)
{
    // Base64 of the lines that are not comments; anything else makes it no table.
    std::vector<std::uint8_t> bits;
    std::uint32_t pending = 0;
    int pendingBits = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('#'))
            continue;
        for (const char c : line) {
            if (c == '=' || c == '\r' || c == ' ')
                continue;
            const std::size_t digit = Base64Digits.find(c);
            if (digit == std::string_view::npos)
                return {};
            pending = pending << 6 | static_cast<std::uint32_t>(digit);
            pendingBits += 6;
            if (pendingBits >= 8) {
                pendingBits -= 8;
                bits.push_back(static_cast<std::uint8_t>(pending >> pendingBits));
            }
        }
    }
    return bits;
}

std::string FormatTieTable(const std::vector<std::uint8_t> &bits)
{
    std::string text = "# Grey of every colour whose exact 0.3 R + 0.59 G + 0.11 B is a half, as x87\n"
                       "# long double rounds it: one bit per such colour (R, then G, then B ascending),\n"
                       "# least significant bit first, 1 = rounded up. Written by\n"
                       "#   core_x87_tests --write-tie-table tests/albumcore/luminance_ties.b64\n";
    std::string base64;
    for (std::size_t at = 0; at < bits.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, bits.size() - at);
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? bits[at + i] : 0u);
        for (std::size_t i = 0; i < 4; ++i)
            base64 += i <= count ? Base64Digits[group >> (18 - 6 * i) & 0x3F] : '=';
    }
    for (std::size_t at = 0; at < base64.size(); at += 76)
        text += base64.substr(at, 76) + '\n';
    return text;
}

std::string ReadTieTable(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return file ? text.str() : std::string();
}
