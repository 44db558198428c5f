// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/password.h"

#include <algorithm>
#include <limits>

namespace {

int digitValue(char u, int base)
{
    int value = -1;
    if (u >= '0' && u <= '9')
        value = u - '0';
    else if (u >= 'a' && u <= 'f')
        value = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        value = u - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<std::int32_t> PasswordTextToInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }

    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }

    if (i >= text.size())
        return std::nullopt;

    // Decimal stops at the signed range; hexadecimal may fill all 32 bits and
    // wraps into the negative numbers, so "$FFFFFFFF" is -1.
    const std::uint64_t limit = base == 16 ? std::numeric_limits<std::uint32_t>::max()
                                           : (negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit)
            return std::nullopt;
    }

    const auto bits = static_cast<std::uint32_t>(negative ? (0 - magnitude) : magnitude);
    return static_cast<std::int32_t>(bits);
}

std::uint32_t StoredPassword(std::string_view text)
{
    return static_cast<std::uint32_t>(PasswordTextToInteger(text).value_or(0));
}

std::string PasswordTextFromStored(std::uint32_t stored)
{
    if (stored < 1 || stored > MaxPasswordValue)
        return {};
    return std::to_string(stored);
}

bool IsTypedPassword(std::string_view text)
{
    // PasswordPattern, spelt out.
    return text.size() <= 8 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
