// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/password.h"

#include <gtest/gtest.h>

TEST(Password, DecimalTextAndItsLimits)
{
    EXPECT_EQ(StoredPassword("00012345"), 12345u);
    EXPECT_EQ(StoredPassword("99999999"), 99999999u);
    EXPECT_EQ(StoredPassword(""), 0u);
    EXPECT_EQ(StoredPassword("00000000"), 0u);
    EXPECT_EQ(StoredPassword("  42"), 42u);
    EXPECT_EQ(StoredPassword("+42"), 42u);
    EXPECT_EQ(StoredPassword("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(PasswordTextToInteger("2147483647"), 2147483647);
    EXPECT_EQ(PasswordTextToInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(PasswordTextToInteger("2147483648"), std::nullopt);
}

TEST(Password, HexadecimalPrefixes)
{
    EXPECT_EQ(PasswordTextToInteger("$1F"), 31);
    EXPECT_EQ(PasswordTextToInteger("x1f"), 31);
    EXPECT_EQ(PasswordTextToInteger("X10"), 16);
    EXPECT_EQ(PasswordTextToInteger("0x10"), 16);
    EXPECT_EQ(PasswordTextToInteger("0X10"), 16);
    EXPECT_EQ(PasswordTextToInteger("-$10"), -16);
    EXPECT_EQ(PasswordTextToInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(PasswordTextToInteger("$100000000"), std::nullopt);
}

TEST(Password, InvalidTextHasNoValue)
{
    for (const char *text : {"", " ", "-", "$", "0x", "12a", "42 ", "1 2", "abc", "0xG", "--1"})
        EXPECT_EQ(PasswordTextToInteger(text), std::nullopt) << text;
}

TEST(Password, StoredValueToText)
{
    EXPECT_EQ(PasswordTextFromStored(0), std::string());
    EXPECT_EQ(PasswordTextFromStored(1), std::string("1"));
    EXPECT_EQ(PasswordTextFromStored(12345), std::string("12345"));
    EXPECT_EQ(PasswordTextFromStored(99999999), std::string("99999999"));
    EXPECT_EQ(PasswordTextFromStored(100000000), std::string());
    EXPECT_EQ(PasswordTextFromStored(0xFFFFFFFF), std::string());
}
