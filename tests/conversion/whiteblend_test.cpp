// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/whiteblend.h"
#include "coretestsupport.h"
#include "goldentables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// All 256 x 256 channel/alpha pairs, each way the painter blended them: a
// one-pixel part, a picture scaled and a picture drawn 1:1.
TEST(WhiteBlend, EveryPairAsThePainterBlendedIt)
{
    int rows = 0;
    int differing = 0;
    for (const auto &fields : GoldenLines("blends.txt")) {
        if (fields.front() == "differ") {
            ASSERT_EQ(fields.size(), 6u);
            const auto channel = static_cast<std::uint8_t>(std::stoi(fields[1]));
            const auto alpha = static_cast<std::uint8_t>(std::stoi(fields[2]));
            EXPECT_EQ(OnePixelChannelOnWhite(channel, alpha), std::stoi(fields[3])) << +channel << "/" << +alpha;
            EXPECT_EQ(ChannelOnWhite(channel, alpha), std::stoi(fields[4])) << +channel << "/" << +alpha;
            EXPECT_EQ(ChannelOnWhite(channel, alpha), std::stoi(fields[5])) << +channel << "/" << +alpha;
            ++differing;
            continue;
        }
        ASSERT_EQ(fields.size(), 4u);
        const auto alpha = static_cast<std::uint8_t>(std::stoi(fields[0]));
        Fnv64 onePixel, blended;
        for (int channel = 0; channel < 256; ++channel) {
            onePixel.add(OnePixelChannelOnWhite(static_cast<std::uint8_t>(channel), alpha));
            blended.add(ChannelOnWhite(static_cast<std::uint8_t>(channel), alpha));
        }
        EXPECT_EQ(onePixel.hash, std::stoull(fields[1], nullptr, 16)) << "one pixel, alpha " << +alpha;
        EXPECT_EQ(blended.hash, std::stoull(fields[2], nullptr, 16)) << "scaled, alpha " << +alpha;
        EXPECT_EQ(blended.hash, std::stoull(fields[3], nullptr, 16)) << "1:1, alpha " << +alpha;
        ++rows;
    }
    EXPECT_EQ(rows, 256) << "tests/conversion/golden/blends.txt under " << SourceDir();
    EXPECT_GT(differing, 0);
}

struct ColourCase
{
    const char *name;
    Rgb colour;
    Rgb onePixel;
    Rgb blended;
};

const ColourCase ColourCases[] = {
    {"opaque stays", 0xFF123456u, 0xFF123456u, 0xFF123456u},
    {"clear is white", 0x00123456u, 0xFFFFFFFFu, 0xFFFFFFFFu},
    {"channels blend apart", 0x80FF0000u, 0xFFFF7F7Fu, 0xFFFF7F7Fu},
};

TEST(WhiteBlend, WholeColours)
{
    for (const ColourCase &test : ColourCases) {
        EXPECT_EQ(OnePixelOnWhite(test.colour), test.onePixel) << test.name;
        EXPECT_EQ(OnWhite(test.colour), test.blended) << test.name;
    }
}

} // namespace
