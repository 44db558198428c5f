// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codec/pixelcodec.h"

#include "coretestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

PackedImage Encode(ImageView image)
{
    PackedImage packed{};
    EXPECT_EQ(EncodeImage(image, packed), PackedImageSize);
    return packed;
}
PackedImage Encode(const AlbumBitmap &image)
{
    return Encode(image.view());
}

AlbumBitmap Decode(const PackedImage &packed)
{
    AlbumBitmap image;
    DecodeImage(packed, image);
    return image;
}

Rgb PixelAt(const AlbumBitmap &image, int x, int y)
{
    return image.pixels[static_cast<std::size_t>(y * AlbumImageSide + x)];
}

PackedImage Filled(std::uint8_t byte)
{
    PackedImage packed{};
    packed.fill(byte);
    return packed;
}

bool AllPixelsAre(const AlbumBitmap &image, Rgb colour)
{
    return std::all_of(image.pixels.begin(), image.pixels.end(), [colour](Rgb pixel) { return pixel == colour; });
}

} // namespace

TEST(Luminance, TiesAreDecidedByExtendedPrecision)
{
    EXPECT_EQ(Luminance(MakeRgb(255, 255, 255)), 255);
    EXPECT_EQ(Luminance(MakeRgb(0, 0, 0)), 0);
    // 76.5 exactly in extended arithmetic: ties go to even.
    EXPECT_EQ(Luminance(MakeRgb(255, 0, 0)), 76);
    EXPECT_EQ(Luminance(MakeRgb(0, 255, 0)), 150); // 150.45
    // 99.5 in decimal, but just below it with the extended constants.
    EXPECT_EQ(Luminance(MakeRgb(0, 150, 100)), 99);
    // The alpha byte plays no part.
    EXPECT_EQ(Luminance(MakeRgb(0, 150, 100, 0)), 99);
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
                ASSERT_EQ(Luminance(MakeRgb(r, g, b)), expected) << r << "," << g << "," << b;
                ties += (30 * r + 59 * g + 11 * b) % 100 == 50;
            }
    EXPECT_GT(ties, 1000);
}

TEST(EncodeImage, LevelBoundariesGiveTheirNibbles)
{
    EXPECT_EQ(Encode(SolidBitmap(MakeRgb(35, 35, 35))), Filled(0x00));
    EXPECT_EQ(Encode(SolidBitmap(MakeRgb(36, 36, 36))), Filled(0x44));
    EXPECT_EQ(Encode(SolidBitmap(MakeRgb(255, 255, 255))), Filled(0xFF));
    EXPECT_EQ(Encode(SolidBitmap(MakeRgb(255, 0, 0))), Filled(0x44));   // 76: level 1
    EXPECT_EQ(Encode(SolidBitmap(MakeRgb(0, 255, 0))), Filled(0x99));   // 150: level 3
    EXPECT_EQ(Encode(SolidBitmap(MakeRgb(0, 150, 100))), Filled(0x44)); // 99: still level 1

    const int greys[] = {99, 100, 143, 144, 175, 176, 206, 207, 238, 239};
    const std::uint8_t nibbles[] = {4, 5, 5, 9, 9, 10, 10, 14, 14, 15};
    for (std::size_t i = 0; i < std::size(greys); ++i) {
        const int g = greys[i];
        EXPECT_EQ(Encode(SolidBitmap(MakeRgb(g, g, g)))[0], nibbles[i] * 0x11) << "grey " << g;
    }
}

TEST(EncodeImage, PixelOrderIsRowMajorLowNibbleFirst)
{
    TestPicture image(AlbumImageSide, AlbumImageSide);
    image.at(1, 0) = MakeRgb(255, 255, 255);   // high nibble of byte 0
    image.at(0, 1) = MakeRgb(120, 120, 120);   // low nibble of byte 46
    image.at(91, 91) = MakeRgb(180, 180, 180); // high nibble of the last byte
    const PackedImage packed = Encode(image.view());
    EXPECT_EQ(packed[0], 0xF0);
    EXPECT_EQ(packed[46], 0x05);
    EXPECT_EQ(packed[PackedImageSize - 1], 0xA0);
}

TEST(EncodeImage, OddPixelCountEndsWithALowNibbleAndSmallBuffersAreRefused)
{
    const TestPicture image(3, 1, MakeRgb(255, 255, 255));
    std::array<std::uint8_t, 2> out{};
    EXPECT_EQ(EncodeImage(image.view(), out), 2u);
    EXPECT_EQ(out[0], 0xFF);
    EXPECT_EQ(out[1], 0x0F);

    std::array<std::uint8_t, 1> tooSmall{0xAB};
    EXPECT_EQ(EncodeImage(image.view(), tooSmall), 0u);
    EXPECT_EQ(tooSmall[0], 0xAB);
}

TEST(DecodeImage, NibblesShowTheirGreys)
{
    EXPECT_TRUE(AllPixelsAre(Decode(Filled(0x44)), MakeRgb(0x48, 0x48, 0x48)));
    EXPECT_TRUE(AllPixelsAre(Decode(Filled(0x41)), MakeRgb(0x48, 0x48, 0x48)));
    EXPECT_TRUE(AllPixelsAre(Decode(Filled(0x22)), MakeRgb(255, 255, 255)));

    const AlbumBitmap alternating = Decode(Filled(0x0F));
    EXPECT_EQ(PixelAt(alternating, 0, 0), MakeRgb(255, 255, 255));
    EXPECT_EQ(PixelAt(alternating, 1, 0), MakeRgb(0, 0, 0));
    EXPECT_EQ(PixelAt(alternating, 0, 1), MakeRgb(255, 255, 255));
    EXPECT_EQ(PixelAt(alternating, 91, 91), MakeRgb(0, 0, 0));
}

TEST(DecodeImage, EveryNibbleDecodesAndReencodesToTheEncodersForm)
{
    const Rgb colours[16] = {0x000000, 0x484848, 0xFFFFFF, 0xFFFFFF, 0x484848, 0x808080, 0xA0A0A0, 0xFFFFFF,
                             0xFFFFFF, 0xA0A0A0, 0xC0C0C0, 0xDFDFDF, 0xFFFFFF, 0xFFFFFF, 0xDFDFDF, 0xFFFFFF};
    const std::uint8_t reencoded[16] = {0, 4, 15, 15, 4, 5, 9, 15, 15, 9, 10, 14, 15, 15, 14, 15};
    for (std::uint8_t nibble = 0; nibble < 16; ++nibble) {
        const AlbumBitmap decoded = Decode(Filled(static_cast<std::uint8_t>(nibble * 0x11)));
        EXPECT_EQ(PixelAt(decoded, 5, 5), 0xFF000000 | colours[nibble]) << int(nibble);
        EXPECT_EQ(Encode(decoded), Filled(static_cast<std::uint8_t>(reencoded[nibble] * 0x11))) << int(nibble);
    }
}

TEST(DecodeImage, EncodeThenDecodeMapsEachLevelToItsGrey)
{
    const int representatives[7] = {0, 50, 120, 160, 190, 220, 250};
    const Rgb greys[7] = {0x000000, 0x484848, 0x808080, 0xA0A0A0, 0xC0C0C0, 0xDFDFDF, 0xFFFFFF};
    for (int level = 0; level < 7; ++level) {
        const int v = representatives[level];
        EXPECT_TRUE(AllPixelsAre(Decode(Encode(SolidBitmap(MakeRgb(v, v, v)))), 0xFF000000 | greys[level])) << level;
    }
    // Decoding a noisy picture's packed form and encoding again is stable.
    const PackedImage packed = Encode(NoisyBitmap(7));
    EXPECT_EQ(Encode(Decode(packed)), packed);
}

TEST(DecodeImage, ShortBufferDecodesTheRestAsBlack)
{
    const std::array<std::uint8_t, 2> shortBuffer{0xFF, 0xFF};
    AlbumBitmap image = SolidBitmap(MakeRgb(1, 2, 3));
    DecodeImage(shortBuffer, image);
    EXPECT_EQ(PixelAt(image, 3, 0), MakeRgb(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 4, 0), MakeRgb(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 91, 91), MakeRgb(0, 0, 0));
}

// Rows of a wider picture, `stride` apart, are read in place.
TEST(EncodeImage, ReadsRowsAStrideApart)
{
    TestPicture wide(AlbumImageSide + 8, AlbumImageSide, MakeRgb(255, 255, 255));
    for (int y = 0; y < AlbumImageSide; ++y)
        for (int x = 0; x < AlbumImageSide; ++x)
            wide.at(x, y) = MakeRgb(0, 0, 0);
    const ImageView view{wide.pixels.data(), AlbumImageSide, AlbumImageSide, wide.width};
    EXPECT_EQ(Encode(view), Filled(0x00));
}

TEST(EncodeImage, AgreesWithLuminanceForEveryColourNearAThreshold)
{
    // Every colour whose luminance lies within one of a threshold, ties
    // included, packed 92 x 92 at a time and compared pixel by pixel with the
    // level Luminance gives.
    std::vector<Rgb> colours;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const int hundredfold = 30 * r + 59 * g + 11 * b;
                for (std::uint8_t threshold : GreyThresholds)
                    if (std::abs(hundredfold - (100 * threshold + 50)) <= 100) {
                        colours.push_back(MakeRgb(r, g, b));
                        break;
                    }
            }
    ASSERT_GT(colours.size(), 100'000u);

    const std::uint8_t levelNibble[7] = {0, 4, 5, 9, 10, 14, 15};
    AlbumBitmap image;
    const std::size_t perImage = AlbumImageSide * AlbumImageSide;
    for (std::size_t start = 0; start < colours.size(); start += perImage) {
        for (std::size_t p = 0; p < perImage; ++p) {
            image.pixels[p] = colours[(start + p) % colours.size()];
        }
        const PackedImage packed = Encode(image);
        for (std::size_t p = 0; p < perImage; ++p) {
            const Rgb colour = colours[(start + p) % colours.size()];
            const std::uint8_t nibble = (packed[p / 2] >> (p % 2 == 0 ? 0 : 4)) & 0x0F;
            ASSERT_EQ(nibble, levelNibble[GreyLevel(Luminance(colour))])
                << RedOf(colour) << "," << GreenOf(colour) << "," << BlueOf(colour);
        }
    }
}
