// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/greyreduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

Rgb grey(int value)
{
    return 0xFF000000u | Rgb(value) << 16 | Rgb(value) << 8 | Rgb(value);
}

AlbumBitmap flat(Rgb colour)
{
    AlbumBitmap square;
    square.pixels.fill(colour);
    return square;
}

struct ToneCase
{
    int grey, brightness, contrast;
    int sixteenths;
};

// Contrast scales the distance from 127.5, brightness then lifts by up to a
// full white; both clamp.
const ToneCase ToneCases[] = {
    {120, 0, 0, 120 * 16},       {0, 100, 0, 255 * 16},       {255, -100, 0, 0},
    {200, 0, -100, 2040},        {200, 0, 50, 255 * 16},      {100, 20, 0, 100 * 16 + 816},
    {128, 0, 99, 2040 + 800}, {120, 0, 500, 0},
};

TEST(GreyReduction, ToneIsExactInSixteenths)
{
    for (const ToneCase &test : ToneCases) {
        const std::vector<int> values = AdjustedLuminance(flat(grey(test.grey)), test.brightness, test.contrast);
        ASSERT_EQ(values.size(), std::size_t{AlbumImageSide} * AlbumImageSide);
        EXPECT_EQ(values.front(), test.sixteenths) << test.grey << " " << test.brightness << " " << test.contrast;
        EXPECT_EQ(values.back(), test.sixteenths);
    }
}

// A flat mid-grey between two levels under each dither: a pattern of the two
// neighbouring device greys only, and the plain thresholds one of them.
TEST(GreyReduction, DithersMixOnlyTheNeighbouringGreys)
{
    const std::set<Rgb> neighbours{0xFF808080u, 0xFFA0A0A0u};
    for (GreyDither greys : {GreyDither::None, GreyDither::FloydSteinberg, GreyDither::Atkinson, GreyDither::Ordered,
                             GreyDither::Compact, GreyDither::CompactDiffusion}) {
        AlbumBitmap square = flat(grey(150));
        ConversionOptions options;
        options.greys = greys;
        ReduceToGreys(square, options);
        const std::set<Rgb> used(square.pixels.begin(), square.pixels.end());
        EXPECT_TRUE(std::includes(neighbours.begin(), neighbours.end(), used.begin(), used.end()))
            << "dither " << int(greys);
        EXPECT_EQ(used.size(), greys == GreyDither::None ? 1u : 2u) << "dither " << int(greys);
    }
}

} // namespace
