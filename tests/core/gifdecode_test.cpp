// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// GIFs written at test time by giflib, read back by DecodeGif against the
// pixels Qt's reader gave.

#include "picture/gifdecode.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct GifPlan
{
    int screenWidth = 0;
    int screenHeight = 0;
    std::vector<GifColorType> global;
    int background = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    std::vector<GifColorType> local;
    int transparentIndex = -1;        // a graphic control block before the frame
    std::vector<GifPixelType> pixels; // the frame's, row by row, top to bottom
};

int Append(GifFileType *gif, const GifByteType *data, int length)
{
    auto *out = static_cast<Bytes *>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

struct MapFreer
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapFreer>;

ColourMap MapOf(const std::vector<GifColorType> &colours)
{
    if (colours.empty())
        return nullptr;
    return ColourMap(GifMakeMapObject(int(colours.size()), colours.data()));
}

// The frame's rows in the order an interlaced file stores them.
std::vector<int> StoredRows(int height, bool interlaced)
{
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    for (const auto &[start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < height; y += step)
            rows.push_back(y);
    return rows;
}

Bytes WriteGif(const GifPlan &plan)
{
    Bytes out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, Append, &error);
    EGifSetGifVersion(gif, true);
    const ColourMap global = MapOf(plan.global);
    const ColourMap local = MapOf(plan.local);
    EGifPutScreenDesc(gif, plan.screenWidth, plan.screenHeight, 8, plan.background, global.get());
    if (plan.transparentIndex >= 0) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, plan.transparentIndex};
        GifByteType block[4];
        EGifGCBToExtension(&control, block);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block);
    }
    EGifPutImageDesc(gif, plan.left, plan.top, plan.width, plan.height, plan.interlaced, local.get());
    for (int y : StoredRows(plan.height, plan.interlaced)) {
        std::vector<GifPixelType> row(plan.pixels.begin() + y * plan.width, plan.pixels.begin() + (y + 1) * plan.width);
        EGifPutLine(gif, row.data(), plan.width);
    }
    EGifCloseFile(gif, &error);
    return out;
}

const std::vector<GifColorType> Four = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {250, 250, 250}};
constexpr Rgb Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, Pale = 0xFFFAFAFA;

struct PixelCase
{
    const char *name;
    GifPlan plan;
    int width;
    int height;
    std::vector<Rgb> expected;
    bool hasAlpha;
};

std::vector<PixelCase> PixelCases()
{
    std::vector<GifPixelType> ramp;
    std::vector<Rgb> rampColours;
    for (int y = 0; y < 11; ++y) {
        ramp.push_back(GifPixelType(y % 4));
        rampColours.push_back(std::vector<Rgb>{Red, Green, Blue, Pale}[y % 4]);
    }
    const std::vector<GifColorType> two = {{0, 0, 0}, {255, 255, 255}};
    return {
        {"a whole frame",
         {2, 2, Four, 0, 0, 0, 2, 2, false, {}, -1, {0, 1, 2, 3}},
         2,
         2,
         {Red, Green, Blue, Pale},
         false},
        // A smaller frame's surroundings take the background colour ...
        {"a frame within the screen",
         {3, 2, Four, 3, 1, 1, 1, 1, false, {}, -1, {2}},
         3,
         2,
         {Pale, Pale, Pale, Pale, Blue, Pale},
         false},
        // ... or are transparent when the frame has a transparent index.
        {"a transparent frame within the screen",
         {2, 1, Four, 3, 1, 0, 1, 1, false, {}, 0, {0}},
         2,
         1,
         {0x00FF0000, 0x00FF0000},
         true},
        {"a local colour table",
         {2, 1, Four, 0, 0, 0, 2, 1, false, {{1, 2, 3}, {4, 5, 6}}, -1, {1, 0}},
         2,
         1,
         {0xFF040506, 0xFF010203},
         false},
        // Past a two-colour table is white where there is no transparency.
        {"an index past the table",
         {2, 1, two, 0, 0, 0, 2, 1, false, {}, -1, {1, 3}},
         2,
         1,
         {0xFFFFFFFF, 0xFFFFFFFF},
         false},
        {"an interlaced frame", {1, 11, Four, 0, 0, 0, 1, 11, true, {}, -1, ramp}, 1, 11, rampColours, false},
        // A screen of no size is the frame's own extent; with no background
        // colour what the frame leaves is black.
        {"a screen of no size", {0, 0, Four, 0, 1, 0, 1, 1, false, {}, -1, {2}}, 2, 1, {Red, Blue}, false},
        {"a screen of no size, no colour table",
         {0, 0, {}, 0, 1, 0, 1, 1, false, two, -1, {1}},
         2,
         1,
         {0xFF000000, 0xFFFFFFFF},
         false},
    };
}

TEST(DecodeGif, GivesTheFirstFrameAsTheScreenShowsIt)
{
    for (const PixelCase &test : PixelCases()) {
        SCOPED_TRACE(test.name);
        const PictureFileContents read = DecodeGif(WriteGif(test.plan));
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.picture.width, test.width);
        EXPECT_EQ(read.picture.height, test.height);
        EXPECT_EQ(read.picture.pixels, test.expected);
        EXPECT_EQ(read.picture.hasAlpha, test.hasAlpha);
    }
}

TEST(DecodeGif, RefusesDamageAndPicturesTooLarge)
{
    const Bytes good = WriteGif({2, 2, Four, 0, 0, 0, 2, 2, false, {}, -1, {0, 1, 2, 3}});
    Bytes noFrame(good.begin(), good.begin() + 13 + 3 * 4);
    noFrame.push_back(0x3B);
    Bytes stray(good.begin(), good.begin() + 13 + 3 * 4);
    stray.push_back('x');
    Bytes huge = good;
    huge[6] = huge[8] = 0x20; // a screen and frame of 20000 x 20000
    huge[7] = huge[9] = 0x4E;
    const std::size_t frame = 13 + 3 * 4;
    huge[frame + 5] = huge[frame + 7] = 0x20;
    huge[frame + 6] = huge[frame + 8] = 0x4E;

    struct Case
    {
        const char *name;
        Bytes file;
        PictureProblem::Kind kind;
        PictureSize size;
    };
    const std::vector<Case> cases = {
        {"cut in its pixels", Bytes(good.begin(), good.end() - 3), PictureProblem::Kind::Damaged, {}},
        {"a trailer and no frame", noFrame, PictureProblem::Kind::Damaged, {}},
        {"stray bytes and no frame", stray, PictureProblem::Kind::Damaged, {}},
        {"not a GIF",
         Bytes{'G', 'I', 'F', '8', '8', 'a', 0, 0, 0, 0, 0, 0, 0},
         PictureProblem::Kind::UnsupportedFormat,
         {}},
        {"400 megapixels", huge, PictureProblem::Kind::TooLarge, {20000, 20000}},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        const PictureFileContents read = DecodeGif(test.file);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.problem.kind, test.kind);
        EXPECT_EQ(read.problem.size, test.size);
    }
}

// A cut file is refused or read, never more: a picture may come only once the
// frame's data is whole, when only the trailer is missing.
TEST(DecodeGif, ReadsOrRefusesTheFileCutAtEveryLength)
{
    const Bytes file = WriteGif({3, 11, Four, 0, 0, 0, 3, 11, true, {}, 1, std::vector<GifPixelType>(33, 2)});
    for (std::size_t length = 0; length < file.size(); ++length) {
        const PictureFileContents read = DecodeGif(std::span(file).first(length));
        EXPECT_EQ(read.ok, length == file.size() - 1) << length;
    }
    EXPECT_TRUE(DecodeGif(file).ok);
}

} // namespace
