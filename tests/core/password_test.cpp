// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/password.h"

#include <gtest/gtest.h>

TEST(Password, DecimalTextAndItsLimits)
{
    EXPECT_EQ(StoredPassword(u"00012345"), 12345u);
    EXPECT_EQ(StoredPassword(u"99999999"), 99999999u);
    EXPECT_EQ(StoredPassword(u""), 0u);
    EXPECT_EQ(StoredPassword(u"00000000"), 0u);
    EXPECT_EQ(StoredPassword(u"  42"), 42u);
    EXPECT_EQ(StoredPassword(u"+42"), 42u);
    EXPECT_EQ(StoredPassword(u"-1"), 0xFFFFFFFFu);
    EXPECT_EQ(PasswordTextToInteger(u"2147483647"), 2147483647);
    EXPECT_EQ(PasswordTextToInteger(u"-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(PasswordTextToInteger(u"2147483648"), std::nullopt);
}

TEST(Password, HexadecimalPrefixes)
{
    EXPECT_EQ(PasswordTextToInteger(u"$1F"), 31);
    EXPECT_EQ(PasswordTextToInteger(u"x1f"), 31);
    EXPECT_EQ(PasswordTextToInteger(u"X10"), 16);
    EXPECT_EQ(PasswordTextToInteger(u"0x10"), 16);
    EXPECT_EQ(PasswordTextToInteger(u"0X10"), 16);
    EXPECT_EQ(PasswordTextToInteger(u"-$10"), -16);
    EXPECT_EQ(PasswordTextToInteger(u"$FFFFFFFF"), -1);
    EXPECT_EQ(PasswordTextToInteger(u"$100000000"), std::nullopt);
}

TEST(Password, InvalidTextHasNoValue)
{
    for (const char16_t *text : {u"", u" ", u"-", u"$", u"0x", u"12a", u"42 ", u"1 2", u"abc", u"0xG", u"--1"})
        EXPECT_EQ(PasswordTextToInteger(text), std::nullopt) << QString::fromUtf16(text).toStdString();
}

TEST(Password, StoredValueToText)
{
    EXPECT_EQ(PasswordTextFromStored(0), QString());
    EXPECT_EQ(PasswordTextFromStored(1), QStringLiteral("1"));
    EXPECT_EQ(PasswordTextFromStored(12345), QStringLiteral("12345"));
    EXPECT_EQ(PasswordTextFromStored(99999999), QStringLiteral("99999999"));
    EXPECT_EQ(PasswordTextFromStored(100000000), QString());
    EXPECT_EQ(PasswordTextFromStored(0xFFFFFFFF), QString());
}
