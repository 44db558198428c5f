// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Luminance against the x87 long double arithmetic it reproduces, for every
// colour. Built only for x86, where long double is that format. With
// --write-tie-table <file> it instead writes the table of tie colours that
// every build checks (luminance_ties_test.cpp).

#include "codec/pixelcodec.h"
#include "luminanceties.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

static_assert(LDBL_MANT_DIG == 64, "these tests need the x87 extended long double");

namespace {

int X87Luminance(int r, int g, int b)
{
    const long double y = ((static_cast<long double>(r) * 0.3L) + (static_cast<long double>(g) * 0.59L))
                          + (static_cast<long double>(b) * 0.11L);
    return static_cast<int>(std::rintl(y));
}

QByteArray TieBitsFromX87()
{
    QByteArray bits;
    int index = 0;
    ForEachTieColour([&](int r, int g, int b) {
        if (index % 8 == 0)
            bits += '\0';
        const int half = (30 * r + 59 * g + 11 * b) / 100; // the grey below the half
        if (X87Luminance(r, g, b) == half + 1)
            bits[index / 8] = static_cast<char>(bits[index / 8] | (1 << (index % 8)));
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
                if (Luminance(qRgb(r, g, b)) != X87Luminance(r, g, b) && ++mismatches <= 10)
                    ADD_FAILURE() << "RGB " << r << "," << g << "," << b << ": " << int(Luminance(qRgb(r, g, b)))
                                  << " instead of " << X87Luminance(r, g, b);
    EXPECT_EQ(mismatches, 0);
}

TEST(LuminanceX87, CheckedInTieTableIsTheExtendedArithmetic)
{
    QFile file(TieTablePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(TieTablePath());
    EXPECT_EQ(ParseTieTable(file.readAll()), TieBitsFromX87());
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-tie-table") == 0) {
        QFile out(QString::fromLocal8Bit(argv[2]));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(FormatTieTable(TieBitsFromX87())) < 0
            || !out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
