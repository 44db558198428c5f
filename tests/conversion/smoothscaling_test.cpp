// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/smoothscaling.h"

#include <gtest/gtest.h>

namespace {

Rgb grey(int value)
{
    return 0xFF000000u | Rgb(value) << 16 | Rgb(value) << 8 | Rgb(value);
}

int redAt(const AlbumBitmap &square, int x, int y)
{
    return static_cast<int>((square.pixels[static_cast<std::size_t>(y * AlbumImageSide + x)] >> 16) & 0xFF);
}

// A picture whose columns step from black to white: its mean across any
// span is known exactly.
RgbPicture columnRamp(int width, int height)
{
    RgbPicture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.row(y)[x] = grey(x * 255 / (width - 1));
    return picture;
}

struct SmoothCase
{
    const char *name;
    int width, height;
    int x;        // a target column to look at (row 10)
    int expected; // its red channel
};

const SmoothCase SmoothCases[] = {
    // 184 to 92: columns 2x and 2x + 1 averaged, (a + b) / 2 rounded.
    {"halving averages pairs", 184, 50, 10, (20 * 255 / 183 + 21 * 255 / 183 + 1) / 2},
    // 276 to 92: thirds, columns 30, 31 and 32 for target 10.
    {"a third averages triples", 276, 3, 10, (30 * 255 / 275 + 31 * 255 / 275 + 32 * 255 / 275 + 1) / 3},
    // 2 to 92: bilinear between the two centres; target 0 lies before the first centre.
    {"enlarging repeats the edge", 2, 2, 0, 0},
    {"enlarging the far edge", 2, 2, 91, 255},
    // Target 45's centre lies 90/184 of the way from the first centre to the second.
    {"enlarging weighs by distance", 2, 2, 45, (255 * 90 + 92) / 184},
    {"the next target a step on", 2, 2, 46, (255 * 94 + 92) / 184},
    {"equal length copies", 92, 92, 37, 37 * 255 / 91},
};

TEST(SmoothScaling, AveragesByOverlapAndEnlargesBilinearly)
{
    for (const SmoothCase &test : SmoothCases) {
        AlbumBitmap square;
        square.pixels.fill(0xFFFFFFFFu);
        SmoothOnto(columnRamp(test.width, test.height), square, {0, 0, AlbumImageSide, AlbumImageSide});
        EXPECT_EQ(redAt(square, test.x, 10), test.expected) << test.name;
    }
}

TEST(SmoothScaling, UnevenShrinkWeighsEachPixelByItsOverlap)
{
    // Three source pixels over two targets: the middle one counts half to each.
    RgbPicture picture(3, 1);
    picture.row(0)[0] = grey(0);
    picture.row(0)[1] = grey(200);
    picture.row(0)[2] = grey(100);
    AlbumBitmap square;
    square.pixels.fill(0xFFFFFFFFu);
    SmoothOnto(picture, square, {10, 20, 2, 1});
    EXPECT_EQ(redAt(square, 10, 20), (0 * 2 + 200 * 1 + 1) / 3);
    EXPECT_EQ(redAt(square, 11, 20), (200 * 1 + 100 * 2 + 1) / 3);
    // Outside the target the square is untouched.
    EXPECT_EQ(redAt(square, 9, 20), 255);
    EXPECT_EQ(redAt(square, 10, 21), 255);
}

TEST(SmoothScaling, ATargetOutsideTheSquareWritesNothing)
{
    AlbumBitmap square;
    square.pixels.fill(0xFFFFFFFFu);
    const AlbumBitmap before = square;
    for (PixelRect target : {PixelRect{-1, 0, 10, 10}, PixelRect{85, 0, 10, 10}, PixelRect{0, 0, 0, 5}})
        SmoothOnto(columnRamp(10, 10), square, target);
    EXPECT_EQ(square, before);
}

} // namespace
