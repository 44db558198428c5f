// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codec/pixelcodec.h"
#include "coretestsupport.h"
#include "luminanceties.h"

#include <gtest/gtest.h>

// Whatever the CPU and its long double, every colour gets the decimal grey
// rounded to the nearest whole, except on an exact half, where it gets the
// grey the x87 arithmetic gave it when the table was written.
TEST(LuminanceTies, EveryColourGivesTheDecimalGreyOrTheTabledOne)
{
    const std::filesystem::path table = SourceDir() / "tests/albumcore/luminance_ties.b64";
    const std::vector<std::uint8_t> bits = ParseTieTable(ReadTieTable(table));
    ASSERT_EQ(bits.size(), (167'836u + 7) / 8) << table;

    int ties = 0;
    int mismatches = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const int hundredfold = 30 * r + 59 * g + 11 * b;
                int expected = (hundredfold + 50) / 100;
                if (hundredfold % 100 == 50) {
                    const bool roundedUp = (bits[static_cast<std::size_t>(ties / 8)] >> (ties % 8) & 1) != 0;
                    expected = hundredfold / 100 + (roundedUp ? 1 : 0);
                    ++ties;
                }
                const int grey = Luminance(MakeRgb(r, g, b));
                if (grey != expected && ++mismatches <= 10)
                    ADD_FAILURE() << "RGB " << r << "," << g << "," << b << ": " << grey << " instead of " << expected;
            }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(ties, 167'836);
}

// 99.5 in decimal, just below it in the extended constants, so level 1, where
// plain doubles would give 100 and level 2.
TEST(LuminanceTies, NinetyNineAndAHalfInDecimalStaysLevelOne)
{
    EXPECT_EQ(Luminance(MakeRgb(0, 150, 100)), 99);
    EXPECT_EQ(GreyLevel(Luminance(MakeRgb(0, 150, 100))), 1);
}
