// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/password.h"

#include <QRegularExpression>

#include <limits>

namespace {

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<std::int32_t> PasswordTextToInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }

    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
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

std::uint32_t StoredPassword(QStringView text)
{
    return static_cast<std::uint32_t>(PasswordTextToInteger(text).value_or(0));
}

QString PasswordTextFromStored(std::uint32_t stored)
{
    if (stored < 1 || stored > MaxPasswordValue)
        return {};
    return QString::number(stored);
}

bool IsTypedPassword(const QString &text)
{
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(PasswordPattern));
    return whole.match(text).hasMatch();
}
