#include "codec/pixelcodec.h"
#include "luminanceties.h"

#include <QFile>

#include <gtest/gtest.h>

// Whatever the CPU and its long double, every colour on an exact half gets the
// grey the x87 arithmetic gave it when the table was written.
TEST(LuminanceTies, EveryTieColourGivesTheTabledGrey)
{
    QFile file(TieTablePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(TieTablePath());
    const QByteArray bits = ParseTieTable(file.readAll());

    int index = 0;
    int mismatches = 0;
    ForEachTieColour([&](int r, int g, int b) {
        if (index / 8 >= bits.size())
            return;
        const bool roundedUp = (bits[index / 8] >> (index % 8) & 1) != 0;
        const int expected = (30 * r + 59 * g + 11 * b) / 100 + (roundedUp ? 1 : 0);
        if (Luminance(qRgb(r, g, b)) != expected && ++mismatches <= 10)
            ADD_FAILURE() << "RGB " << r << "," << g << "," << b << ": " << int(Luminance(qRgb(r, g, b)))
                          << " instead of " << expected;
        ++index;
    });
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(index, 167'836);
    EXPECT_EQ(bits.size(), (index + 7) / 8);
}

// 99.5 in decimal, just below it in the extended constants, so level 1, where
// plain doubles would give 100 and level 2.
TEST(LuminanceTies, NinetyNineAndAHalfInDecimalStaysLevelOne)
{
    EXPECT_EQ(Luminance(qRgb(0, 150, 100)), 99);
    EXPECT_EQ(GreyLevel(Luminance(qRgb(0, 150, 100))), 1);
}
