// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/placement.h"

#include <gtest/gtest.h>

namespace {

struct PlacementCase
{
    const char *name;
    int width, height;
    PictureFit fit;
    Gravity gravity;
    PixelRect source, target;
};

const PlacementCase PlacementCases[] = {
    {"stretch takes all", 300, 100, PictureFit::Stretch, Gravity::Center, {0, 0, 300, 100}, {0, 0, 92, 92}},
    {"crop centred", 300, 100, PictureFit::Crop, Gravity::Center, {100, 0, 100, 100}, {0, 0, 92, 92}},
    {"crop west", 300, 100, PictureFit::Crop, Gravity::West, {0, 0, 100, 100}, {0, 0, 92, 92}},
    {"crop south-east", 100, 300, PictureFit::Crop, Gravity::SouthEast, {0, 200, 100, 100}, {0, 0, 92, 92}},
    {"pad wide centred", 300, 100, PictureFit::Pad, Gravity::Center, {0, 0, 300, 100}, {0, 30, 92, 31}},
    {"pad tall east", 100, 300, PictureFit::Pad, Gravity::East, {0, 0, 100, 300}, {61, 0, 31, 92}},
    {"pad north puts a wide picture on top", 300, 100, PictureFit::Pad, Gravity::North, {0, 0, 300, 100},
     {0, 0, 92, 31}},
    {"pad a sliver keeps one row", 10000, 1, PictureFit::Pad, Gravity::Center, {0, 0, 10000, 1}, {0, 45, 92, 1}},
};

TEST(Placement, FitAndGravityChooseSourceAndTarget)
{
    for (const PlacementCase &test : PlacementCases) {
        ConversionOptions options;
        options.fit = test.fit;
        options.gravity = test.gravity;
        const Placement place = PlacementOf(test.width, test.height, options);
        EXPECT_EQ(place.source, test.source) << test.name;
        EXPECT_EQ(place.target, test.target) << test.name;
        EXPECT_EQ(PlacementSource(test.width, test.height, options), test.source) << test.name;
    }
}

struct SquareCase
{
    const char *name;
    CropSquare chosen;
    PixelRect source; // in a 400 x 200 picture
};

const SquareCase SquareCases[] = {
    {"the right half's square", {0.5, 0, 0.5, 1}, {200, 0, 200, 200}},
    {"the smaller share decides the side", {0.25, 0.25, 0.1, 0.9}, {100, 50, 40, 40}},
    {"moved back inside", {0.9, 0.9, 0.5, 0.5}, {300, 100, 100, 100}},
    {"at least one pixel", {0, 0, 0, 0}, {0, 0, 1, 1}},
};

TEST(Placement, AChosenSquareStaysInsideThePicture)
{
    for (const SquareCase &test : SquareCases) {
        ConversionOptions options;
        options.fit = PictureFit::Crop;
        options.cropSquare = test.chosen;
        EXPECT_EQ(PlacementSource(400, 200, options), test.source) << test.name;
    }
}

struct ScaleCase
{
    int width, height;
    PictureFit fit;
    int scale;
};

TEST(Placement, ReducedDecodeScaleKeepsTheSquaresPixels)
{
    for (const ScaleCase &test : {ScaleCase{6000, 4000, PictureFit::Stretch, 8}, ScaleCase{736, 2000, PictureFit::Stretch, 8},
                                  ScaleCase{735, 2000, PictureFit::Crop, 4}, ScaleCase{400, 100, PictureFit::Pad, 4},
                                  ScaleCase{183, 183, PictureFit::Stretch, 1}, ScaleCase{184, 5000, PictureFit::Crop, 2},
                                  ScaleCase{-1, 100, PictureFit::Stretch, 1}}) {
        ConversionOptions options;
        options.fit = test.fit;
        EXPECT_EQ(ReducedDecodeScale(test.width, test.height, options), test.scale)
            << test.width << "x" << test.height << " fit " << int(test.fit);
    }
}

TEST(Placement, TransparencyComesOutOverWhite)
{
    RgbPicture picture(3, 3, 0x00000000u, true); // clear black
    picture.row(1)[1] = 0x80000000u;             // half-clear black in the middle
    for (bool smooth : {false, true}) {
        ConversionOptions options;
        options.smooth = smooth;
        const AlbumBitmap square = PlaceOnSquare(picture, options);
        EXPECT_EQ(square.pixels[0], 0xFFFFFFFFu) << smooth;
        const Rgb middle = square.pixels[46 * AlbumImageSide + 46];
        EXPECT_EQ(middle >> 24, 0xFFu) << smooth;
        EXPECT_LT(middle & 0xFF, 0xFFu) << smooth;
    }
}

} // namespace
