// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/littleendian.h"
#include "goldencorpus.h"
#include "goldenpicture.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

std::vector<std::uint8_t> GoldenBytes(std::uint32_t width, std::uint32_t height, std::uint32_t flags,
                                      const std::vector<std::uint32_t> &pixels, std::string_view tag = "ARGB")
{
    std::vector<std::uint8_t> bytes(tag.begin(), tag.end());
    for (const std::uint32_t word : {width, height, flags})
        AppendLittleEndian(bytes, word);
    for (const std::uint32_t pixel : pixels)
        AppendLittleEndian(bytes, pixel);
    return bytes;
}

TEST(GoldenPicture, ReadsWordsLittleEndianInRowOrder)
{
    const std::vector<std::uint32_t> pixels{0xFF102030, 0x80FFFFFF, 0x00000000, 0xFFABCDEF, 0x7F010203, 0xFF000001};
    const std::optional<RgbPicture> picture = ParseGoldenPicture(GoldenBytes(3, 2, 1, pixels));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    EXPECT_TRUE(picture->hasAlpha);
    EXPECT_EQ(picture->pixels, pixels);
    EXPECT_FALSE(ParseGoldenPicture(GoldenBytes(1, 1, 0, {0xFF000000}))->hasAlpha);
}

TEST(GoldenPicture, RefusesWhatIsNotAWholeWellFormedPicture)
{
    std::vector<std::uint8_t> oneByteOver = GoldenBytes(1, 1, 0, {0xFFFFFFFF});
    oneByteOver.push_back(0);
    std::vector<std::uint8_t> oneByteShort = GoldenBytes(2, 1, 0, {0xFFFFFFFF, 0xFFFFFFFF});
    oneByteShort.pop_back();
    const struct
    {
        const char *what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"header cut short", {'A', 'R', 'G', 'B', 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
        {"another tag", GoldenBytes(1, 1, 0, {0xFFFFFFFF}, "RGBA")},
        {"no width", GoldenBytes(0, 1, 0, {})},
        {"no height", GoldenBytes(1, 0, 0, {})},
        {"a side past the bound", GoldenBytes(4097, 1, 0, std::vector<std::uint32_t>(4097, 0xFFFFFFFF))},
        {"sides whose product overflows 32 bits", GoldenBytes(0x10000, 0x10000, 0, {})},
        {"an unknown flag", GoldenBytes(1, 1, 2, {0xFFFFFFFF})},
        {"a byte left over", oneByteOver},
        {"a byte missing", oneByteShort},
        {"alpha in a picture without it", GoldenBytes(2, 1, 0, {0xFFFFFFFF, 0xFEFFFFFF})},
    };
    for (const auto &refused : cases)
        EXPECT_FALSE(ParseGoldenPicture(refused.bytes).has_value()) << refused.what;
}

TEST(GoldenCorpus, HoldsThePicturesItsREADMEDescribes)
{
    // What each picture is there to cover depends on its size and alpha.
    const struct
    {
        int width;
        int height;
        bool hasAlpha;
    } expected[] = {{200, 200, false}, {160, 160, false}, {225, 150, false},
                    {300, 90, false},  {64, 43, false},   {128, 128, true}};
    const std::vector<RgbPicture> corpus = LoadGoldenCorpus();
    ASSERT_EQ(corpus.size(), std::size(expected));
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        EXPECT_EQ(corpus[i].width, expected[i].width) << GoldenPictureNames[i];
        EXPECT_EQ(corpus[i].height, expected[i].height) << GoldenPictureNames[i];
        EXPECT_EQ(corpus[i].hasAlpha, expected[i].hasAlpha) << GoldenPictureNames[i];
    }
}

} // namespace
