// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codec/pixelcodec.h"

#include "support/testalbums.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

PackedImage Encode(const QImage &image)
{
    PackedImage packed{};
    EXPECT_EQ(EncodeImage(image, packed), PackedImageSize);
    return packed;
}

QImage Decode(const PackedImage &packed)
{
    QImage image;
    DecodeImage(packed, image);
    return image;
}

PackedImage Filled(std::uint8_t byte)
{
    PackedImage packed{};
    packed.fill(byte);
    return packed;
}

bool AllPixelsAre(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != colour)
                return false;
    return true;
}

} // namespace

TEST(Luminance, TiesAreDecidedByExtendedPrecision)
{
    EXPECT_EQ(Luminance(qRgb(255, 255, 255)), 255);
    EXPECT_EQ(Luminance(qRgb(0, 0, 0)), 0);
    // 76.5 exactly in extended arithmetic: ties go to even.
    EXPECT_EQ(Luminance(qRgb(255, 0, 0)), 76);
    EXPECT_EQ(Luminance(qRgb(0, 255, 0)), 150); // 150.45
    // 99.5 in decimal, but just below it with the extended constants.
    EXPECT_EQ(Luminance(qRgb(0, 150, 100)), 99);
    // The alpha byte plays no part.
    EXPECT_EQ(Luminance(qRgba(0, 150, 100, 0)), 99);
}

TEST(Luminance, ShortcutAgreesWithExtendedArithmetic)
{
#if LDBL_MANT_DIG != 64
    GTEST_SKIP() << "long double is not the x87 format here; luminance_ties_test.cpp covers the halves";
#endif
    // Every colour whose exact value lies at a half, and a stride through the rest.
    int ties = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; b += (r + g) % 7 + 1) {
                const long double y = ((r * 0.3L) + (g * 0.59L)) + (b * 0.11L);
                const auto expected = static_cast<int>(std::rintl(y));
                ASSERT_EQ(Luminance(qRgb(r, g, b)), expected) << r << "," << g << "," << b;
                ties += (30 * r + 59 * g + 11 * b) % 100 == 50;
            }
    EXPECT_GT(ties, 1000);
}

TEST(EncodeImage, LevelBoundariesGiveTheirNibbles)
{
    EXPECT_EQ(Encode(SolidImage(qRgb(35, 35, 35))), Filled(0x00));
    EXPECT_EQ(Encode(SolidImage(qRgb(36, 36, 36))), Filled(0x44));
    EXPECT_EQ(Encode(SolidImage(qRgb(255, 255, 255))), Filled(0xFF));
    EXPECT_EQ(Encode(SolidImage(qRgb(255, 0, 0))), Filled(0x44));   // 76: level 1
    EXPECT_EQ(Encode(SolidImage(qRgb(0, 255, 0))), Filled(0x99));   // 150: level 3
    EXPECT_EQ(Encode(SolidImage(qRgb(0, 150, 100))), Filled(0x44)); // 99: still level 1

    const int greys[] = {99, 100, 143, 144, 175, 176, 206, 207, 238, 239};
    const std::uint8_t nibbles[] = {4, 5, 5, 9, 9, 10, 10, 14, 14, 15};
    for (std::size_t i = 0; i < std::size(greys); ++i) {
        const int g = greys[i];
        EXPECT_EQ(Encode(SolidImage(qRgb(g, g, g)))[0], nibbles[i] * 0x11) << "grey " << g;
    }
}

TEST(EncodeImage, PixelOrderIsRowMajorLowNibbleFirst)
{
    QImage image = SolidImage(qRgb(0, 0, 0));
    image.setPixel(1, 0, qRgb(255, 255, 255));   // high nibble of byte 0
    image.setPixel(0, 1, qRgb(120, 120, 120));   // low nibble of byte 46
    image.setPixel(91, 91, qRgb(180, 180, 180)); // high nibble of the last byte
    const PackedImage packed = Encode(image);
    EXPECT_EQ(packed[0], 0xF0);
    EXPECT_EQ(packed[46], 0x05);
    EXPECT_EQ(packed[PackedImageSize - 1], 0xA0);
}

TEST(EncodeImage, OddPixelCountEndsWithALowNibbleAndSmallBuffersAreRefused)
{
    QImage image(3, 1, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    std::array<std::uint8_t, 2> out{};
    EXPECT_EQ(EncodeImage(image, out), 2u);
    EXPECT_EQ(out[0], 0xFF);
    EXPECT_EQ(out[1], 0x0F);

    std::array<std::uint8_t, 1> tooSmall{0xAB};
    EXPECT_EQ(EncodeImage(image, tooSmall), 0u);
    EXPECT_EQ(tooSmall[0], 0xAB);
}

TEST(EncodeImage, AcceptsOtherPixelFormats)
{
    QImage rgb888(AlbumImageSide, AlbumImageSide, QImage::Format_RGB888);
    rgb888.fill(QColor(36, 36, 36));
    EXPECT_EQ(Encode(rgb888), Filled(0x44));
}

TEST(DecodeImage, NibblesShowTheirGreys)
{
    EXPECT_TRUE(AllPixelsAre(Decode(Filled(0x44)), qRgb(0x48, 0x48, 0x48)));
    EXPECT_TRUE(AllPixelsAre(Decode(Filled(0x41)), qRgb(0x48, 0x48, 0x48)));
    EXPECT_TRUE(AllPixelsAre(Decode(Filled(0x22)), qRgb(255, 255, 255)));

    const QImage alternating = Decode(Filled(0x0F));
    EXPECT_EQ(alternating.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(alternating.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(alternating.pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(alternating.pixel(91, 91), qRgb(0, 0, 0));
}

TEST(DecodeImage, EveryNibbleDecodesAndReencodesToTheEncodersForm)
{
    const QRgb colours[16] = {0x000000, 0x484848, 0xFFFFFF, 0xFFFFFF, 0x484848, 0x808080, 0xA0A0A0, 0xFFFFFF,
                              0xFFFFFF, 0xA0A0A0, 0xC0C0C0, 0xDFDFDF, 0xFFFFFF, 0xFFFFFF, 0xDFDFDF, 0xFFFFFF};
    const std::uint8_t reencoded[16] = {0, 4, 15, 15, 4, 5, 9, 15, 15, 9, 10, 14, 15, 15, 14, 15};
    for (std::uint8_t nibble = 0; nibble < 16; ++nibble) {
        const QImage decoded = Decode(Filled(static_cast<std::uint8_t>(nibble * 0x11)));
        EXPECT_EQ(decoded.pixel(5, 5), 0xFF000000 | colours[nibble]) << int(nibble);
        EXPECT_EQ(Encode(decoded), Filled(static_cast<std::uint8_t>(reencoded[nibble] * 0x11))) << int(nibble);
    }
}

TEST(DecodeImage, EncodeThenDecodeMapsEachLevelToItsGrey)
{
    const int representatives[7] = {0, 50, 120, 160, 190, 220, 250};
    const QRgb greys[7] = {0x000000, 0x484848, 0x808080, 0xA0A0A0, 0xC0C0C0, 0xDFDFDF, 0xFFFFFF};
    for (int level = 0; level < 7; ++level) {
        const int v = representatives[level];
        EXPECT_TRUE(AllPixelsAre(Decode(Encode(SolidImage(qRgb(v, v, v)))), 0xFF000000 | greys[level])) << level;
    }
    // Decoding a noisy picture's packed form and encoding again is stable.
    const PackedImage packed = Encode(NoisyImage(7));
    EXPECT_EQ(Encode(Decode(packed)), packed);
}

TEST(DecodeImage, ShortBufferDecodesTheRestAsBlackAndWrongBitmapsAreReplaced)
{
    const std::array<std::uint8_t, 2> shortBuffer{0xFF, 0xFF};
    QImage image(10, 10, QImage::Format_ARGB32);
    DecodeImage(shortBuffer, image);
    ASSERT_EQ(image.size(), QSize(92, 92));
    EXPECT_EQ(image.pixel(3, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(4, 0), qRgb(0, 0, 0));
}

TEST(EncodeImage, AgreesWithLuminanceForEveryColourNearAThreshold)
{
    // Every colour whose luminance lies within one of a threshold, ties
    // included, packed 92 x 92 at a time and compared pixel by pixel with the
    // level Luminance gives.
    std::vector<QRgb> colours;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const int hundredfold = 30 * r + 59 * g + 11 * b;
                for (std::uint8_t threshold : GreyThresholds)
                    if (std::abs(hundredfold - (100 * threshold + 50)) <= 100) {
                        colours.push_back(qRgb(r, g, b));
                        break;
                    }
            }
    ASSERT_GT(colours.size(), 100'000u);

    const std::uint8_t levelNibble[7] = {0, 4, 5, 9, 10, 14, 15};
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    const std::size_t perImage = AlbumImageSide * AlbumImageSide;
    for (std::size_t start = 0; start < colours.size(); start += perImage) {
        for (std::size_t p = 0; p < perImage; ++p) {
            const QRgb colour = colours[(start + p) % colours.size()];
            image.setPixel(static_cast<int>(p % AlbumImageSide), static_cast<int>(p / AlbumImageSide), colour);
        }
        const PackedImage packed = Encode(image);
        for (std::size_t p = 0; p < perImage; ++p) {
            const QRgb colour = colours[(start + p) % colours.size()];
            const std::uint8_t nibble = (packed[p / 2] >> (p % 2 == 0 ? 0 : 4)) & 0x0F;
            ASSERT_EQ(nibble, levelNibble[GreyLevel(Luminance(colour))])
                << qRed(colour) << "," << qGreen(colour) << "," << qBlue(colour);
        }
    }
}
