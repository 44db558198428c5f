// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/albumconversion.h"
#include "conversion/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr Rgb Red = 0xFFFF0000u, Green = 0xFF00FF00u, Blue = 0xFF0000FFu, White = 0xFFFFFFFFu;

Rgb grey(int value)
{
    return 0xFF000000u | Rgb(value) << 16 | Rgb(value) << 8 | Rgb(value);
}

Rgb at(const AlbumBitmap &bitmap, int x, int y)
{
    return bitmap.pixels[static_cast<std::size_t>(y * AlbumImageSide + x)];
}

RgbPicture horizontalGradient()
{
    RgbPicture picture(AlbumImageSide, AlbumImageSide);
    for (int y = 0; y < AlbumImageSide; ++y)
        for (int x = 0; x < AlbumImageSide; ++x)
            picture.row(y)[x] = grey((x * 255 + 45) / 91);
    return picture;
}

// The largest gap between the mean luminance of a 4-column strip of `shown`
// and of the same strip of `source`.
double worstStripError(const AlbumBitmap &shown, const RgbPicture &source)
{
    double worst = 0;
    for (int left = 0; left + 4 <= AlbumImageSide; left += 4) {
        double difference = 0;
        for (int x = left; x < left + 4; ++x)
            for (int y = 0; y < AlbumImageSide; ++y)
                difference += Luminance(at(shown, x, y)) - Luminance(source.row(y)[x]);
        worst = std::max(worst, std::abs(difference / (4 * AlbumImageSide)));
    }
    return worst;
}

RgbPicture bands(int width, int height, const std::vector<Rgb> &colours)
{
    RgbPicture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.row(y)[x] =
                colours.at(static_cast<std::size_t>(x) * colours.size() / static_cast<std::size_t>(width));
    return picture;
}

ConversionOptions withGreys(GreyDither greys)
{
    ConversionOptions options;
    options.greys = greys;
    return options;
}

TEST(AlbumConversion, DitheringKeepsTheLocalMeanOfAGradient)
{
    const RgbPicture gradient = horizontalGradient();
    // Thresholds alone leave strips up to half a level step off (Atkinson,
    // which hands on only three quarters of the error, comes closest to that).
    EXPECT_GT(worstStripError(DeviceView(gradient.view()), gradient), 25.0);
    for (GreyDither greys : {GreyDither::FloydSteinberg, GreyDither::Atkinson, GreyDither::Ordered, GreyDither::Compact,
                             GreyDither::CompactDiffusion}) {
        SCOPED_TRACE(static_cast<int>(greys));
        EXPECT_LT(worstStripError(ConvertToAlbumBitmap(gradient, withGreys(greys)), gradient), 8.0);
    }
}

TEST(AlbumConversion, GreyOutputHoldsOnlyTheDeviceGreys)
{
    // Colours, transparency and extremes, under every dither and with tone changes.
    RgbPicture picture(150, 110, 0, true);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.row(y)[x] = Rgb((x + y) % 3 ? 255 : 0) << 24 | Rgb(x * 255 / 149) << 16 | Rgb(y * 255 / 109) << 8
                                | Rgb((x * y) % 256);
    for (GreyDither greys : {GreyDither::None, GreyDither::FloydSteinberg, GreyDither::Atkinson, GreyDither::Ordered,
                             GreyDither::Compact, GreyDither::CompactDiffusion})
        for (auto [brightness, contrast] : {std::pair{0, 0}, {35, -20}, {-100, 100}, {100, 60}, {-30, -100}}) {
            ConversionOptions options = withGreys(greys);
            options.brightness = brightness;
            options.contrast = contrast;
            options.smooth = brightness > 0;
            if (!options.reducesToGreys())
                continue;
            const AlbumBitmap converted = ConvertToAlbumBitmap(picture, options);
            EXPECT_EQ(DeviceView(converted.view()), converted)
                << "greys " << int(greys) << " brightness " << brightness << " contrast " << contrast;
        }
}

struct FitCase
{
    const char *name;
    bool wide; // the 276 x 92 red-green-blue picture, else the 60 x 180 red-blue one
    PictureFit fit;
    bool smooth;
    int x, y;
    Rgb expected;
};

const FitCase FitCases[] = {
    // Crop keeps the middle third of the wide picture, whatever the scaling.
    {"crop's top left", true, PictureFit::Crop, false, 0, 0, Green},
    {"crop's bottom right", true, PictureFit::Crop, false, 91, 91, Green},
    {"smooth crop", true, PictureFit::Crop, true, 1, 45, Green},
    // Pad puts it in a centred band 31 rows high (92 x 92 / 276).
    {"above the band", true, PictureFit::Pad, false, 45, 29, White},
    {"band's first row", true, PictureFit::Pad, false, 5, 30, Red},
    {"band's last row", true, PictureFit::Pad, false, 45, 60, Green},
    {"band's right", true, PictureFit::Pad, false, 86, 45, Blue},
    {"below the band", true, PictureFit::Pad, false, 45, 61, White},
    {"smooth band", true, PictureFit::Pad, true, 45, 45, Green},
    // A tall picture: 31 columns (60 x 92 / 180) from column 30, its bands side by side.
    {"left of the column", false, PictureFit::Pad, false, 29, 45, White},
    {"column's top", false, PictureFit::Pad, false, 30, 0, Red},
    {"column's bottom", false, PictureFit::Pad, false, 60, 91, Blue},
    {"right of the column", false, PictureFit::Pad, false, 61, 45, White},
    {"tall crop's left", false, PictureFit::Crop, false, 0, 45, Red},
    {"tall crop's right", false, PictureFit::Crop, false, 91, 45, Blue},
    // Stretch: the bands become thirds of the square.
    {"stretch's first third", true, PictureFit::Stretch, false, 29, 0, Red},
    {"stretch's last third", true, PictureFit::Stretch, false, 62, 91, Blue},
};

TEST(AlbumConversion, CropAndPadKeepTheAspectRatio)
{
    const RgbPicture wide = bands(276, 92, {Red, Green, Blue});
    const RgbPicture tall = bands(60, 180, {Red, Blue});
    for (const FitCase &test : FitCases) {
        ConversionOptions options;
        options.fit = test.fit;
        options.smooth = test.smooth;
        EXPECT_EQ(at(ConvertToAlbumBitmap(test.wide ? wide : tall, options), test.x, test.y), test.expected)
            << test.name;
    }
}

TEST(AlbumConversion, AChosenCropSquareIsKeptAndDecodedFinelyEnough)
{
    ConversionOptions options;
    options.fit = PictureFit::Crop;
    options.cropSquare = CropSquare{2.0 / 3, 0, 1.0 / 3, 1};
    const AlbumBitmap kept = ConvertToAlbumBitmap(bands(276, 92, {Red, Green, Blue}), options);
    EXPECT_EQ(at(kept, 0, 0), Blue);
    EXPECT_EQ(at(kept, 91, 91), Blue);
    // A small square needs more of a JPEG's pixels than the whole crop does.
    ConversionOptions wholeCrop;
    wholeCrop.fit = PictureFit::Crop;
    EXPECT_EQ(ReducedDecodeScale(4000, 3000, wholeCrop), 8);
    options.cropSquare = CropSquare{0.4, 0.4, 0.075, 0.1}; // 300 x 300 pixels
    EXPECT_EQ(ReducedDecodeScale(4000, 3000, options), 2);
    EXPECT_EQ(ReducedDecodeScale(0, 3000, options), 1);
}

TEST(AlbumConversion, SmoothingAveragesACheckerboard)
{
    // Every fit shrinks it by a whole even factor: 4 x 2, 2 x 2 and 4 x 4.
    RgbPicture board(368, 184);
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x)
            board.row(y)[x] = (x + y) % 2 ? White : grey(0);
    for (PictureFit fit : {PictureFit::Stretch, PictureFit::Crop, PictureFit::Pad}) {
        ConversionOptions options;
        options.fit = fit;
        const AlbumBitmap nearest = ConvertToAlbumBitmap(board, options);
        options.smooth = true;
        const AlbumBitmap smooth = ConvertToAlbumBitmap(board, options);
        // Pad leaves white above and below; look at the middle row only.
        for (int x = 0; x < AlbumImageSide; ++x) {
            const Rgb picked = at(nearest, x, 46);
            EXPECT_TRUE(picked == White || picked == grey(0)) << "fit " << int(fit) << " x " << x;
            // Whole even factors: exactly half white, 127.5 rounded up.
            EXPECT_EQ(at(smooth, x, 46), grey(128)) << "fit " << int(fit) << " x " << x;
        }
    }
}

struct ToneCase
{
    int brightness;
    int contrast;
    Rgb shown;
};

TEST(AlbumConversion, ToneMovesAFlatGreyBetweenLevels)
{
    const RgbPicture flat(40, 40, grey(120)); // level 2, shown as 0x808080
    for (const ToneCase &test : {ToneCase{0, 0, grey(120)}, ToneCase{20, 0, 0xFFA0A0A0}, ToneCase{-10, 0, 0xFF484848},
                                 ToneCase{0, 80, 0xFF484848}, ToneCase{0, -100, 0xFF808080}, ToneCase{100, 0, White}}) {
        ConversionOptions options;
        options.brightness = test.brightness;
        options.contrast = test.contrast;
        const AlbumBitmap converted = ConvertToAlbumBitmap(flat, options);
        EXPECT_EQ(at(converted, 0, 0), test.shown) << test.brightness << " " << test.contrast;
        EXPECT_EQ(at(converted, 91, 91), test.shown) << test.brightness << " " << test.contrast;
    }
}

struct TurnCase
{
    int turns;
    int width, height;
    // Where the source's top-left (0,0) and top-right (w-1,0) pixels land.
    int topLeftX, topLeftY, topRightX, topRightY;
};

TEST(AlbumConversion, QuarterTurnsAreClockwise)
{
    RgbPicture picture(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            picture.row(y)[x] = Rgb(y * 3 + x);
    for (const TurnCase &test :
         {TurnCase{0, 3, 2, 0, 0, 2, 0}, TurnCase{1, 2, 3, 1, 0, 1, 2}, TurnCase{2, 3, 2, 2, 1, 0, 1},
          TurnCase{3, 2, 3, 0, 2, 0, 0}, TurnCase{-1, 2, 3, 0, 2, 0, 0}, TurnCase{5, 2, 3, 1, 0, 1, 2}}) {
        const RgbPicture turned = TurnedPicture(picture, test.turns);
        ASSERT_EQ(turned.width, test.width) << test.turns;
        ASSERT_EQ(turned.height, test.height) << test.turns;
        EXPECT_EQ(turned.row(test.topLeftY)[test.topLeftX], 0u) << test.turns;
        EXPECT_EQ(turned.row(test.topRightY)[test.topRightX], 2u) << test.turns;
    }
}

TEST(AlbumConversion, AnEmptyOrMalformedPictureIsWhite)
{
    AlbumBitmap white;
    white.pixels.fill(White);
    RgbPicture malformed(10, 10);
    malformed.pixels.resize(50); // fewer pixels than its size says
    for (const ConversionOptions &options : {ConversionOptions{}, withGreys(GreyDither::None)}) {
        EXPECT_EQ(ConvertToAlbumBitmap(RgbPicture(), options), white);
        EXPECT_EQ(ConvertToAlbumBitmap(malformed, options), white);
    }
}

} // namespace
