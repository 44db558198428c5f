// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// PNGs of every colour type and depth, written at test time by libpng, read
// back by DecodePng against the pixels Qt's reader and painter gave.

#include "picture/pngdecode.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct PngPlan
{
    int width = 0;
    int height = 1;
    int colourType = PNG_COLOR_TYPE_GRAY;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<unsigned> samples;           // one a channel, row by row, at the file's depth
    std::vector<png_color> palette;          // palette pictures
    std::vector<png_byte> paletteAlpha;      // their tRNS
    std::optional<png_color_16> transparent; // a grey or RGB tRNS colour
    bool gamma = false;                      // a gAMA chunk of 1/1.8
};

void Append(png_structp png, png_bytep data, std::size_t length)
{
    auto *out = static_cast<Bytes *>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

int Channels(int colourType)
{
    switch (colourType) {
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

// Packs the plan's samples into rows at its depth, big-endian as PNG stores them.
std::vector<Bytes> PackedRows(const PngPlan &plan)
{
    const int perRow = plan.width * Channels(plan.colourType);
    std::vector<Bytes> rows;
    for (int y = 0; y < plan.height; ++y) {
        Bytes row((perRow * plan.bitDepth + 7) / 8, 0);
        for (int i = 0; i < perRow; ++i) {
            const unsigned sample = plan.samples[std::size_t(y) * perRow + i];
            if (plan.bitDepth == 16) {
                row[2 * i] = std::uint8_t(sample >> 8);
                row[2 * i + 1] = std::uint8_t(sample);
            } else if (plan.bitDepth == 8) {
                row[i] = std::uint8_t(sample);
            } else {
                const int bit = i * plan.bitDepth;
                row[bit / 8] |= std::uint8_t(sample << (8 - plan.bitDepth - bit % 8));
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

Bytes WritePng(const PngPlan &plan)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<Bytes> rows = PackedRows(plan);
    std::vector<png_bytep> pointers;
    for (Bytes &row : rows)
        pointers.push_back(row.data());
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng could not write the test picture";
        return {};
    }
    png_set_write_fn(png, &out, Append, nullptr);
    png_set_IHDR(png, info, plan.width, plan.height, plan.bitDepth, plan.colourType,
                 plan.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!plan.palette.empty())
        png_set_PLTE(png, info, plan.palette.data(), int(plan.palette.size()));
    if (!plan.paletteAlpha.empty())
        png_set_tRNS(png, info, plan.paletteAlpha.data(), int(plan.paletteAlpha.size()), nullptr);
    if (plan.transparent) {
        png_color_16 colour = *plan.transparent;
        png_set_tRNS(png, info, nullptr, 0, &colour);
    }
    if (plan.gamma)
        png_set_gAMA(png, info, 1 / 1.8);
    png_write_info(png, info);
    if (plan.interlaced)
        png_set_interlace_handling(png);
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

PngPlan Plan(int width, int height, int colourType, int bitDepth, std::vector<unsigned> samples,
             bool interlaced = false)
{
    PngPlan plan;
    plan.width = width;
    plan.height = height;
    plan.colourType = colourType;
    plan.bitDepth = bitDepth;
    plan.interlaced = interlaced;
    plan.samples = std::move(samples);
    return plan;
}

struct PixelCase
{
    const char *name;
    PngPlan plan;
    std::vector<Rgb> expected; // 0xAARRGGBB, straight alpha
    bool hasAlpha;
};

png_color_16 Grey(unsigned value)
{
    png_color_16 colour{};
    colour.gray = static_cast<png_uint_16>(value);
    return colour;
}

png_color_16 Colour(unsigned red, unsigned green, unsigned blue)
{
    png_color_16 colour{};
    colour.red = static_cast<png_uint_16>(red);
    colour.green = static_cast<png_uint_16>(green);
    colour.blue = static_cast<png_uint_16>(blue);
    return colour;
}

// A 4 x 3 picture whose every pixel is different, for the interlaced cases.
std::vector<unsigned> Gradient(int channels)
{
    std::vector<unsigned> samples;
    for (int i = 0; i < 12 * channels; ++i)
        samples.push_back(unsigned(i * 20 + 5) % 256);
    return samples;
}

std::vector<Rgb> GradientPixels()
{
    std::vector<Rgb> pixels;
    const std::vector<unsigned> samples = Gradient(3);
    for (std::size_t i = 0; i < samples.size(); i += 3)
        pixels.push_back(0xFF000000u | samples[i] << 16 | samples[i + 1] << 8 | samples[i + 2]);
    return pixels;
}

std::vector<PixelCase> PixelCases()
{
    PngPlan interlaced = Plan(4, 3, PNG_COLOR_TYPE_RGB, 8, Gradient(3), true);
    PngPlan gamma = Plan(4, 3, PNG_COLOR_TYPE_RGB, 8, Gradient(3));
    gamma.gamma = true;
    PngPlan palette = Plan(4, 1, PNG_COLOR_TYPE_PALETTE, 2, {0, 1, 2, 3});
    palette.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    palette.paletteAlpha = {128};
    PngPlan greyFour = Plan(3, 1, PNG_COLOR_TYPE_GRAY, 4, {0, 5, 15});
    greyFour.transparent = Grey(5);
    PngPlan greyOne = Plan(2, 1, PNG_COLOR_TYPE_GRAY, 1, {0, 1});
    greyOne.transparent = Grey(1);
    PngPlan greyEight = Plan(2, 1, PNG_COLOR_TYPE_GRAY, 8, {7, 200});
    greyEight.transparent = Grey(7);
    PngPlan rgbMasked = Plan(2, 1, PNG_COLOR_TYPE_RGB, 8, {10, 20, 30, 10, 20, 31});
    rgbMasked.transparent = Colour(10, 20, 30);
    PngPlan deepMasked = Plan(2, 1, PNG_COLOR_TYPE_RGB, 16, {1000, 2000, 3000, 65535, 0, 32896});
    deepMasked.transparent = Colour(1000, 2000, 3000);
    return {
        {"grey, 1 bit", Plan(2, 1, PNG_COLOR_TYPE_GRAY, 1, {0, 1}), {0xFF000000, 0xFFFFFFFF}, false},
        {"grey, 2 bits",
         Plan(4, 1, PNG_COLOR_TYPE_GRAY, 2, {0, 1, 2, 3}),
         {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF},
         false},
        // A grey tRNS clears its entry to transparent black, as Qt's table did ...
        {"grey, 4 bits, tRNS", greyFour, {0xFF000000, 0x00000000, 0xFFFFFFFF}, true},
        // ... but at one bit the colour stays.
        {"grey, 1 bit, tRNS", greyOne, {0xFF000000, 0x00FFFFFF}, true},
        {"grey, 8 bits, tRNS", greyEight, {0x00000000, 0xFFC8C8C8}, true},
        // 16-bit samples are rounded to 8 bits, not cut: 0x12F0 / 257 = 18.9, 0xFF00 / 257 = 254.0.
        {"grey, 16 bits", Plan(2, 1, PNG_COLOR_TYPE_GRAY, 16, {0x12F0, 0xFF00}), {0xFF131313, 0xFFFEFEFE}, false},
        {"grey and alpha, 8 bits", Plan(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {90, 40}), {0x285A5A5A}, true},
        // An index past the palette is opaque black.
        {"palette, 2 bits, tRNS", palette, {0x80FF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000}, true},
        {"RGB, 8 bits, tRNS", rgbMasked, {0x000A141E, 0xFF0A141F}, true},
        // Qt's reader striped these; each pixel is its own colour here.
        {"RGB, 16 bits, tRNS", deepMasked, {0x0004080C, 0xFFFF0080}, true},
        {"RGBA, 16 bits",
         Plan(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, {0xFFFF, 0x0101, 0x7F80, 0x8000}),
         {0x80FF017F},
         true},
        {"RGB, 8 bits, interlaced", interlaced, GradientPixels(), false},
        // No gamma is applied: the pixels are the file's own.
        {"RGB, 8 bits, gAMA", gamma, GradientPixels(), false},
    };
}

TEST(DecodePng, GivesThePixelsOfEveryColourTypeAndDepth)
{
    for (const PixelCase &test : PixelCases()) {
        SCOPED_TRACE(test.name);
        const Bytes file = WritePng(test.plan);
        const PictureFileContents read = DecodePng(file);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.picture.width, test.plan.width);
        EXPECT_EQ(read.picture.height, test.plan.height);
        EXPECT_EQ(read.picture.pixels, test.expected);
        EXPECT_EQ(read.picture.hasAlpha, test.hasAlpha);
    }
}

std::uint32_t BigEndian32(const Bytes &bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) << 24 | std::uint32_t(bytes[at + 1]) << 16 | std::uint32_t(bytes[at + 2]) << 8
           | bytes[at + 3];
}

void PutBigEndian32(Bytes &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = std::uint8_t(value >> (24 - 8 * i));
}

// Where the chunk of `type` starts (its length field), or 0.
std::size_t ChunkAt(const Bytes &png, const char *type)
{
    for (std::size_t at = 8; at + 12 <= png.size(); at += 12 + BigEndian32(png, at))
        if (std::memcmp(png.data() + at + 4, type, 4) == 0)
            return at;
    return 0;
}

// Sets a chunk's checksum right again after its data changed.
void Reseal(Bytes &png, std::size_t chunk)
{
    const std::uint32_t length = BigEndian32(png, chunk);
    const uLong crc = crc32(0, png.data() + chunk + 4, 4 + length);
    PutBigEndian32(png, chunk + 8 + length, std::uint32_t(crc));
}

TEST(DecodePng, RefusesDamageAndPicturesTooLarge)
{
    PngPlan plan = Plan(4, 3, PNG_COLOR_TYPE_RGB, 8, Gradient(3));
    const Bytes good = WritePng(plan);
    const std::size_t rows = ChunkAt(good, "IDAT");
    ASSERT_NE(rows, 0u);

    Bytes badCrc = good;
    badCrc[rows + 9] ^= 0x40;
    Bytes badZlib = good;
    badZlib[rows + 10] ^= 0xFF; // inside the deflate data, resealed
    Reseal(badZlib, rows);
    Bytes shortRows = good;
    shortRows.erase(shortRows.begin() + rows + 8 + 2, shortRows.begin() + rows + 8 + BigEndian32(good, rows) - 4);
    PutBigEndian32(shortRows, rows, 6);
    Reseal(shortRows, rows);
    Bytes huge = good;
    PutBigEndian32(huge, 16, 20000);
    PutBigEndian32(huge, 20, 20000);
    Reseal(huge, 8);

    struct Case
    {
        const char *name;
        Bytes file;
        PictureProblem::Kind kind;
        PictureSize size;
    };
    const std::vector<Case> cases = {
        {"a wrong checksum", badCrc, PictureProblem::Kind::Damaged, {}},
        {"compressed rows that do not inflate", badZlib, PictureProblem::Kind::Damaged, {}},
        {"compressed rows cut short", shortRows, PictureProblem::Kind::Damaged, {}},
        {"no end chunk", Bytes(good.begin(), good.end() - 12), PictureProblem::Kind::Damaged, {}},
        {"not a PNG", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}, PictureProblem::Kind::UnsupportedFormat, {}},
        {"400 megapixels", huge, PictureProblem::Kind::TooLarge, {20000, 20000}},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        const PictureFileContents read = DecodePng(test.file);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.problem.kind, test.kind);
        EXPECT_EQ(read.problem.size, test.size);
    }
}

// Every length short of the whole file lacks the end chunk at least.
TEST(DecodePng, RefusesTheFileCutAtEveryLength)
{
    PngPlan plan = Plan(4, 3, PNG_COLOR_TYPE_RGB, 8, Gradient(3), true);
    const Bytes file = WritePng(plan);
    for (std::size_t length = 0; length < file.size(); ++length) {
        const PictureFileContents read = DecodePng(std::span(file).first(length));
        ASSERT_FALSE(read.ok) << length;
        EXPECT_EQ(read.problem.kind,
                  length < 8 ? PictureProblem::Kind::UnsupportedFormat : PictureProblem::Kind::Damaged)
            << length;
    }
    EXPECT_TRUE(DecodePng(file).ok);
}

} // namespace
