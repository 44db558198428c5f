// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small hand-made bitmaps and icons, one per rule of the readers: what each
// pixel comes in as, and which refusal a broken file gets.

#include "picture/bmpdecode.h"
#include "picture/icodecode.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = PictureProblem::Kind;

// `value` in `bytes` little-endian bytes (at most 4), or that many zeros.
void Put(Bytes &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(i < 4 ? static_cast<std::uint8_t>(value >> (8 * i)) : 0);
}

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A 40-byte info header, followed by `more` (masks, or the longer headers' rest).
Bytes Info(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression = 0, std::uint32_t used = 0,
           std::uint32_t size = 40, int planes = 1)
{
    Bytes info;
    Put(info, size, 4);
    Put(info, static_cast<std::uint32_t>(width), 4);
    Put(info, static_cast<std::uint32_t>(height), 4);
    Put(info, planes, 2);
    Put(info, bits, 2);
    Put(info, compression, 4);
    Put(info, 0, 4 * 3);
    Put(info, used, 4);
    Put(info, 0, 4);
    return info;
}

Bytes Words(std::initializer_list<std::uint32_t> words)
{
    Bytes out;
    for (std::uint32_t word : words)
        Put(out, word, 4);
    return out;
}

// A whole bitmap file: the headers and table, then the pixels, at `offset`
// when one is given and right after the table otherwise.
Bytes Bitmap(const Bytes &headerAndTable, const Bytes &pixels, std::uint32_t offset = 0)
{
    Bytes file = {'B', 'M'};
    Put(file, static_cast<std::uint32_t>(14 + headerAndTable.size() + pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, offset != 0 ? offset : static_cast<std::uint32_t>(14 + headerAndTable.size()), 4);
    return file + headerAndTable + pixels;
}

// An icon file of one entry, its picture right after the directory.
Bytes Icon(int width, int height, int bits, const Bytes &picture, std::uint16_t count = 1, std::uint32_t offset = 22)
{
    Bytes file;
    Put(file, 0, 2);
    Put(file, 1, 2);
    Put(file, count, 2);
    file.insert(file.end(), {static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(height), 0, 0});
    Put(file, 1, 2);
    Put(file, bits, 2);
    Put(file, static_cast<std::uint32_t>(picture.size()), 4);
    Put(file, offset, 4);
    return file + picture;
}

// Table entries blue, green, red, unused.
const Bytes Colours = {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0, 0x70, 0x80, 0x90, 0};
constexpr Rgb First = 0xFF302010u;
constexpr Rgb Second = 0xFF605040u;
constexpr Rgb Third = 0xFF908070u;

struct Case
{
    std::string name;
    Bytes file;
    std::vector<Rgb> pixels; // row by row from the top, when read
    int width = 0;
    bool hasAlpha = false;
    Kind kind = Kind::None;
    PictureFault fault = PictureFault::None;
    PictureSize size; // of a TooLarge refusal
};

Case Read(std::string name, Bytes file, int width, std::vector<Rgb> pixels, bool hasAlpha = false)
{
    return {std::move(name), std::move(file), std::move(pixels), width, hasAlpha, Kind::None, PictureFault::None, {}};
}

Case Refused(std::string name, Bytes file, Kind kind, PictureFault fault = PictureFault::None, PictureSize size = {})
{
    return {std::move(name), std::move(file), {}, 0, false, kind, fault, size};
}

Bytes TwoColours()
{
    return Bytes(Colours.begin(), Colours.begin() + 8);
}

std::vector<Case> Cases()
{
    return {
        // Bits widened by shifting alone, as Qt did: 31 becomes 248, not 255.
        Read("16 bit 5-5-5", Bitmap(Info(1, 1, 16), {0xFF, 0x7F, 0, 0}), 1, {0xFFF8F8F8u}),
        Read("16 bit 4-4-4-4 with alpha, 56-byte header",
             Bitmap(Info(1, 1, 16, 3, 0, 56) + Words({0x0F00, 0x00F0, 0x000F, 0xF000}), {0x21, 0x84, 0, 0}), 1,
             {0x80402010u}, true),
        Read("32 bit with a 16-bit red mask: its top 8 bits",
             Bitmap(Info(1, 1, 32, 3) + Words({0xFFFF0000u, 0xFF00, 0xFF}), {0x12, 0x34, 0xCD, 0xAB}), 1,
             {0xFFAB3412u}),
        Read("124-byte header, 32 bit uncompressed, top byte named alpha",
             Bitmap(Info(1, 1, 32, 0, 0, 124) + Words({0xFF0000, 0xFF00, 0xFF, 0xFF000000u}) + Bytes(68, 0),
                    {0x10, 0x20, 0x30, 0x40}),
             1, {0x40302010u}, true),
        Read("1 bit, one colour in the table: the other is white",
             Bitmap(Info(2, 1, 1, 0, 1) + Colours, {0x40, 0, 0, 0}), 2, {First, 0xFFFFFFFFu}),
        Read("4 bit, an index past the table is black", Bitmap(Info(3, 1, 4, 0, 2) + TwoColours(), {0x01, 0x50, 0, 0}),
             3, {First, Second, 0xFF000000u}),
        Read("core header, 3-byte table entries",
             Bitmap(Bytes{12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 1, 0} + Bytes{0x10, 0x20, 0x30, 0x40, 0x50, 0x60},
                    {0x80, 0, 0, 0}),
             2, {Second, First}),
        Read("RLE4, a move skips pixels: they keep the first colour",
             Bitmap(Info(4, 2, 4, 2, 3) + Colours, {0, 2, 2, 1, 2, 0x12, 0, 1}), 4,
             {First, First, Second, Third, First, First, First, First}),
        Read("RLE8 top-down", Bitmap(Info(2, -2, 8, 1, 3) + Colours, {2, 1, 0, 0, 2, 2, 0, 1}), 2,
             {Second, Second, Third, Third}),
        // Pixels said to start at the table, as some writers say: they follow it,
        // and the last row's padding may be missing.
        Read("8 bit, pixels said to start at the table, the last padding missing",
             Bitmap(Info(1, 2, 8, 0, 3) + Colours, {1, 0, 0, 0, 2}, 54), 1, {Third, Second}),
        Read("8 bit, the table cut where the pixels start", Bitmap(Info(1, 1, 8) + TwoColours(), {1, 0, 0, 0}), 1,
             {Second}),
        Refused("2 bits a pixel", Bitmap(Info(1, 1, 2) + Colours, {0, 0, 0, 0}), Kind::Malformed, PictureFault::Depth),
        Refused("two planes", Bitmap(Info(1, 1, 24, 0, 0, 40, 2), {0, 0, 0, 0}), Kind::Malformed, PictureFault::Header),
        Refused("JPEG inside", Bitmap(Info(1, 1, 0, 4), {0, 0, 0, 0}), Kind::UnsupportedVariant),
        Refused("PNG inside", Bitmap(Info(1, 1, 0, 5), {0, 0, 0, 0}), Kind::UnsupportedVariant),
        Refused("compression 6", Bitmap(Info(1, 1, 24, 6), {0, 0, 0, 0}), Kind::Malformed, PictureFault::Compression),
        Refused("RLE8 at 4 bits", Bitmap(Info(1, 1, 4, 1) + Colours, {0, 1}), Kind::Malformed,
                PictureFault::Compression),
        Refused("no width", Bitmap(Info(0, 1, 24), {0, 0, 0, 0}), Kind::Malformed, PictureFault::Dimensions),
        Refused("300 colours", Bitmap(Info(1, 1, 8, 0, 300) + Colours, {0, 0, 0, 0}), Kind::Malformed,
                PictureFault::Palette),
        Refused("masks missing", Bitmap(Info(1, 1, 16, 3) + Bytes(4, 0), {0, 0, 0, 0}, 58), Kind::Malformed,
                PictureFault::BitFields),
        Refused("header cut short", Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0},
                Kind::HeaderCutShort),
        Refused("rows cut short", Bitmap(Info(2, 2, 8, 0, 3) + Colours, {0, 0, 0, 0}), Kind::Damaged),
        Refused("top-down run past its row", Bitmap(Info(2, -2, 8, 1, 3) + Colours, {3, 1, 0, 1}), Kind::Damaged),
        Refused("too large, said before a pixel is allocated", Bitmap(Info(20000, 10000, 8, 1, 3) + Colours, {0, 1}),
                Kind::TooLarge, PictureFault::None, {20000, 10000}),
        Refused("not a bitmap", Bytes{'B', 'A', 0, 0}, Kind::UnsupportedFormat),
        // Icons: the mask's set bits are wholly transparent, and so is a colour
        // past the table.
        Read("icon, 4 bit with its mask",
             Icon(2, 2, 4,
                  Info(2, 4, 4, 0, 2) + TwoColours() + Bytes{0x01, 0, 0, 0, 0x10, 0, 0, 0}
                      + Bytes{0x00, 0, 0, 0, 0x40, 0, 0, 0}),
             2, {Second, 0, First, Second}, true),
        Read("icon, 4 bit, an index past the table",
             Icon(1, 1, 4, Info(1, 2, 4, 0, 2) + TwoColours() + Bytes{0x50, 0, 0, 0} + Bytes(4, 0)), 1, {0}, true),
        Read("icon, 24 bit: its mask is not applied",
             Icon(1, 1, 24, Info(1, 2, 24) + Bytes{0x10, 0x20, 0x30, 0} + Bytes{0x80, 0, 0, 0}), 1, {First}, true),
        Read("icon, 32 bit: premultiplied and divided again",
             Icon(1, 1, 32, Info(1, 2, 32) + Bytes{0x40, 0x80, 0xC0, 0x80} + Bytes(4, 0)), 1, {0x80BF8040u}, true),
        Read("icon, 1 bit with four colours in its table",
             Icon(2, 1, 1, Info(2, 2, 1, 0, 4) + Colours + Bytes(4, 0) + Bytes{0x40, 0, 0, 0} + Bytes(4, 0)), 2,
             {First, Second}, true),
        Refused("icon directory without entries", Icon(1, 1, 24, Info(1, 2, 24) + Bytes(8, 0), 0), Kind::Malformed,
                PictureFault::IconDirectory),
        Refused("icon entry past the end", Icon(1, 1, 24, Info(1, 2, 24) + Bytes(8, 0), 1, 5000), Kind::Malformed,
                PictureFault::IconDirectory),
        Refused("icon, 16 bit", Icon(1, 1, 16, Info(1, 2, 16) + Bytes(8, 0)), Kind::UnsupportedVariant),
        Refused("icon, run-length coded", Icon(1, 1, 8, Info(1, 2, 8, 1, 2) + TwoColours() + Bytes(8, 0)),
                Kind::Malformed, PictureFault::Compression),
        Refused("icon cut short", Icon(2, 2, 24, Info(2, 4, 24) + Bytes(12, 0)), Kind::Damaged),
    };
}

class BitmapDecode : public testing::TestWithParam<Case>
{
};

TEST_P(BitmapDecode, ReadsOrRefusesAsTheRuleSays)
{
    const Case &expected = GetParam();
    const Bytes &file = expected.file;
    const bool bitmap = file.size() >= 1 && file[0] == 'B';
    const PictureFileContents read = bitmap ? DecodeBmp(file) : DecodeIco(file);
    if (expected.kind != Kind::None) {
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.problem.kind, expected.kind);
        EXPECT_EQ(read.problem.fault, expected.fault);
        EXPECT_EQ(read.problem.size, expected.size);
        EXPECT_TRUE(read.picture.isNull());
        return;
    }
    ASSERT_TRUE(read.ok) << static_cast<int>(read.problem.kind) << " " << static_cast<int>(read.problem.fault);
    EXPECT_EQ(read.picture.width, expected.width);
    EXPECT_EQ(read.picture.height, static_cast<int>(expected.pixels.size()) / expected.width);
    EXPECT_EQ(read.picture.hasAlpha, expected.hasAlpha);
    EXPECT_EQ(read.picture.pixels, expected.pixels);
}

INSTANTIATE_TEST_SUITE_P(Rules, BitmapDecode, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Case> &testCase) {
                             std::string name;
                             for (const char c : testCase.param.name)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

} // namespace
