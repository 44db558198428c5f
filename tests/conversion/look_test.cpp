// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/look.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t Pixels = std::size_t{AlbumImageSide} * AlbumImageSide;

std::vector<float> ramp(int step)
{
    std::vector<float> greys(Pixels);
    for (std::size_t i = 0; i < Pixels; ++i)
        greys[i] = static_cast<float>((i % AlbumImageSide) * static_cast<std::size_t>(step) % 256);
    return greys;
}

TEST(Look, PortableExpFollowsTheExponential)
{
    for (double x : {0.0, -0.5, -1.0, -2.0 / 9, -4.5, -12.5, -25.0, 1.0, 3.0})
        EXPECT_NEAR(PortableExp(x) / std::exp(x), 1.0, 1e-12) << x;
}

TEST(Look, IdenticalIsOneAndWorseIsLower)
{
    const std::vector<float> truth = ramp(3);
    EXPECT_NEAR(Look(truth, truth), 1.0, 1e-6);
    // The same scatter of -1, 0 and +1 steps, three times as large.
    const auto scattered = [&truth](float amplitude) {
        std::vector<float> greys = truth;
        for (std::size_t i = 0; i < Pixels; ++i)
            greys[i] = std::clamp(greys[i] + amplitude * static_cast<float>((i * 2654435761u >> 7) % 3) - amplitude,
                                  0.0f, 255.0f);
        return greys;
    };
    EXPECT_LT(Look(scattered(20), truth), 0.99);
    EXPECT_LT(Look(scattered(60), truth), Look(scattered(20), truth));
    // A wrong size is no likeness at all.
    EXPECT_EQ(Look(std::vector<float>(10), truth), 0.0);
}

TEST(Look, TrueAndShownGreysAreTheLuminance)
{
    AlbumBitmap square;
    square.pixels.fill(0xFF787878u); // grey 120, shown as level 2's 0x808080
    ConversionOptions options;
    EXPECT_EQ(TrueGreys(square, options).front(), 120.0f);
    options.brightness = 10; // 408 sixteenths more
    EXPECT_EQ(TrueGreys(square, options).back(), 120.0f + 408.0f / 16);
    EXPECT_EQ(ShownGreys(square).front(), 128.0f);
}

} // namespace
