// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Luminance against the x87 long double arithmetic it reproduces, for every
// colour. Built only for x86, where long double is that format. With
// --write-tie-table <file> it instead writes the table of tie colours that
// every build checks (luminance_ties_test.cpp).

#include "../albumcore/luminanceties.h"
#include "codec/pixelcodec.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

static_assert(LDBL_MANT_DIG == 64, "these tests need the x87 extended long double");

namespace {

int X87Luminance(int r, int g, int b)
{
    const long double y = ((static_cast<long double>(r) * 0.3L) + (static_cast<long double>(g) * 0.59L))
                          + (static_cast<long double>(b) * 0.11L);
    return static_cast<int>(std::rintl(y));
}

std::vector<std::uint8_t> TieBitsFromX87()
{
    std::vector<std::uint8_t> bits;
    int index = 0;
    ForEachTieColour([&](int r, int g, int b) {
        if (index % 8 == 0)
            bits.push_back(0);
        const int half = (30 * r + 59 * g + 11 * b) / 100; // the grey below the half
        if (X87Luminance(r, g, b) == half + 1)
            bits[std::size_t(index / 8)] = static_cast<std::uint8_t>(bits[std::size_t(index / 8)] | (1 << (index % 8)));
        ++index;
    });
    return bits;
}

} // namespace

TEST(LuminanceX87, EveryColourMatchesTheExtendedArithmetic)
{
    int mismatches = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b)
                if (Luminance(0xFF000000u | static_cast<Rgb>(r << 16 | g << 8 | b)) != X87Luminance(r, g, b)
                    && ++mismatches <= 10)
                    ADD_FAILURE() << "RGB " << r << "," << g << "," << b << ": "
                                  << int(Luminance(0xFF000000u | static_cast<Rgb>(r << 16 | g << 8 | b)))
                                  << " instead of " << X87Luminance(r, g, b);
    EXPECT_EQ(mismatches, 0);
}

TEST(LuminanceX87, CheckedInTieTableIsTheExtendedArithmetic)
{
    EXPECT_EQ(ParseTieTable(ReadTieTable(VALBUM_TIE_TABLE)), TieBitsFromX87()) << VALBUM_TIE_TABLE;
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-tie-table") == 0) {
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        if (!(out << FormatTieTable(TieBitsFromX87())) || !out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
