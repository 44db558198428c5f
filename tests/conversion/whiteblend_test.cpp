// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/whiteblend.h"
#include "goldentables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// All 256 x 256 channel/alpha pairs, both ways the painter blended them.
TEST(WhiteBlend, EveryPairAsThePainterBlendedIt)
{
    int rows = 0;
    int differing = 0;
    for (const auto &fields : GoldenLines("blends.txt")) {
        if (fields.front() == "differ") {
            ASSERT_EQ(fields.size(), 5u);
            const auto channel = static_cast<std::uint8_t>(std::stoi(fields[1]));
            const auto alpha = static_cast<std::uint8_t>(std::stoi(fields[2]));
            EXPECT_EQ(ScaledChannelOnWhite(channel, alpha), std::stoi(fields[3])) << +channel << "/" << +alpha;
            EXPECT_EQ(UnscaledChannelOnWhite(channel, alpha), std::stoi(fields[4])) << +channel << "/" << +alpha;
            ++differing;
            continue;
        }
        ASSERT_EQ(fields.size(), 3u);
        const auto alpha = static_cast<std::uint8_t>(std::stoi(fields[0]));
        Fnv64 scaled, unscaled;
        for (int channel = 0; channel < 256; ++channel) {
            scaled.add(ScaledChannelOnWhite(static_cast<std::uint8_t>(channel), alpha));
            unscaled.add(UnscaledChannelOnWhite(static_cast<std::uint8_t>(channel), alpha));
        }
        EXPECT_EQ(scaled.hash, std::stoull(fields[1], nullptr, 16)) << "scaled, alpha " << +alpha;
        EXPECT_EQ(unscaled.hash, std::stoull(fields[2], nullptr, 16)) << "unscaled, alpha " << +alpha;
        ++rows;
    }
    EXPECT_EQ(rows, 256) << "tests/conversion/golden/blends.txt under " << SourceDir();
    EXPECT_GT(differing, 0);
}

struct ColourCase
{
    const char *name;
    Rgb colour;
    Rgb scaled;
    Rgb unscaled;
};

const ColourCase ColourCases[] = {
    {"opaque stays", 0xFF123456u, 0xFF123456u, 0xFF123456u},
    {"clear is white", 0x00123456u, 0xFFFFFFFFu, 0xFFFFFFFFu},
    {"channels blend apart", 0x80FF0000u, 0xFFFF7F7Fu, 0xFFFF7F7Fu},
};

TEST(WhiteBlend, WholeColours)
{
    for (const ColourCase &test : ColourCases) {
        EXPECT_EQ(ScaledOnWhite(test.colour), test.scaled) << test.name;
        EXPECT_EQ(UnscaledOnWhite(test.colour), test.unscaled) << test.name;
    }
}

} // namespace
