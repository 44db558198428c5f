// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bitmap and icon readers over the checked-in picture files: each gives
// the pixels today's Qt-based import gave (a checksum of its ARGB32 image),
// or refuses the same way; and no cut or flipped bit of a small file crashes.

#include "picture/bmpdecode.h"
#include "picture/icodecode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

PictureFileContents Decode(std::span<const std::uint8_t> file)
{
    const bool bitmap = file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
    return bitmap ? DecodeBmp(file) : DecodeIco(file);
}

// FNV-1a over the pixel words, as the reference checksums were taken.
std::uint64_t Checksum(const RgbPicture &picture)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (const Rgb pixel : picture.pixels) {
        hash ^= pixel;
        hash *= 1099511628211ull;
    }
    return hash;
}

struct CorpusCase
{
    const char *file; // under fuzz/
    PictureProblem::Kind kind = PictureProblem::Kind::None;
    PictureFault fault = PictureFault::None;
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::uint64_t checksum = 0;
};

using Kind = PictureProblem::Kind;

const CorpusCase CorpusCases[] = {
    {"picture-seeds/seed-1bit.bmp", Kind::None, PictureFault::None, 16, 12, false, 0x515855f6899aa4dfull},
    {"picture-seeds/seed-8bit.bmp", Kind::None, PictureFault::None, 16, 12, false, 0x8cb7aadbb9bb9d86ull},
    {"picture-seeds/rle4.bmp", Kind::None, PictureFault::None, 4, 4, false, 0xf5ee125c24171e43ull},
    {"picture-seeds/rle8.bmp", Kind::None, PictureFault::None, 4, 4, false, 0xf53cd5c0d8040433ull},
    {"picture-seeds/v2-header-16bit.bmp", Kind::None, PictureFault::None, 4, 4, false, 0x3700691f5b114fbbull},
    {"picture-seeds/v3-header-32bit.bmp", Kind::None, PictureFault::None, 4, 4, true, 0x3ef38aa3cfb95a5eull},
    {"picture-seeds/bmpsuite-pal1wb.bmp", Kind::None, PictureFault::None, 127, 64, false, 0xf43dec1f6368568bull},
    // Runs that skip pixels with moves: those keep the first colour.
    {"picture-seeds/bmpsuite-pal4rletrns.bmp", Kind::None, PictureFault::None, 127, 64, false, 0xb561e2d050dd1f83ull},
    // A core header with a 252-colour table: Qt read 256 colours into the
    // pixels and showed every row shifted; this is the picture its other
    // 8-bit files hold, as Qt reads them.
    {"picture-seeds/bmpsuite-pal8os2sp.bmp", Kind::None, PictureFault::None, 127, 64, false, 0x8154f6125524bbd7ull},
    {"picture-seeds/bmpsuite-pal2.bmp", Kind::Malformed, PictureFault::Depth},
    {"picture-seeds/bmpsuite-shortfile.bmp", Kind::Damaged},
    {"picture-seeds/pillow-black_and_white.ico", Kind::None, PictureFault::None, 16, 16, true, 0x9556c34867971547ull},
    {"picture-seeds/pillow-hopper_mask.ico", Kind::None, PictureFault::None, 16, 16, true, 0xe4ce62fec0417232ull},
    {"picture-seeds/pillow-deerstalker.cur", Kind::None, PictureFault::None, 32, 32, true, 0xfac8f88c399a8c03ull},
    // A PNG inside; opaque, so without alpha, as the PNG reader gives it.
    {"picture-seeds/pillow-hopper_draw.ico", Kind::None, PictureFault::None, 16, 16, false, 0x39cc760baa93bfebull},
    // The directory says 16 x 32 where the bitmap holds 16 x 16.
    {"picture-seeds/pillow-hopper_unexpected.ico", Kind::Malformed, PictureFault::Dimensions},
    // Half-transparent colours premultiplied and divided again; Qt's vector
    // code rounds a few halves down where this rounds them up, so the
    // checksum is this reader's own, the other pixels checked equal by hand.
    {"picture-seeds/seed.ico", Kind::None, PictureFault::None, 16, 12, true, 0x19db08a802ba3291ull},
    {"regressions/bmp-file-size-lies.bmp", Kind::None, PictureFault::None, 4, 4, false, 0xfcf1907739f12c43ull},
    {"regressions/bmp-v3-pixel-offset-in-header.bmp", Kind::None, PictureFault::None, 4, 4, true,
     0x3ef38aa3cfb95a5eull},
    // Two rows the runs never reach: Qt showed whatever its memory held.
    {"regressions/bmp-rle8-colours-past-palette.bmp", Kind::None, PictureFault::None, 4, 4, false,
     0xb386961e6d1c0ba3ull},
    {"regressions/bmp-height-int-min.bmp", Kind::Damaged},
    {"regressions/bmp-huge-dimensions.bmp", Kind::Damaged},
    {"regressions/bmp-palette-count-huge.bmp", Kind::Malformed, PictureFault::Palette},
    {"regressions/bmp-rle4-broken.bmp", Kind::Damaged},
    {"regressions/bmp-rle8-broken.bmp", Kind::Damaged},
    {"regressions/bmp-rle8-v3-header-broken.bmp", Kind::Damaged},
    {"regressions/bmp-v2-header-truncated.bmp", Kind::HeaderCutShort},
    {"regressions/bmp-v3-header-truncated.bmp", Kind::HeaderCutShort},
    {"regressions/bmp-v2-pixel-offset-wraps.bmp", Kind::Damaged},
    {"regressions/bmp-v3-huge-dimensions.bmp", Kind::Damaged},
    {"regressions/bmp-v3-pixel-offset-past-end.bmp", Kind::Damaged},
    {"regressions/ico-truncated.ico", Kind::Damaged},
};

class BitmapCorpus : public testing::TestWithParam<CorpusCase>
{
};

TEST_P(BitmapCorpus, GivesTodaysPixelsOrRefusesTheSameWay)
{
    const CorpusCase &expected = GetParam();
    const PictureFileContents read = Decode(ReadFile(std::string(VALBUM_FUZZ_DIR) + "/" + expected.file));
    if (expected.kind != Kind::None) {
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.problem.kind, expected.kind);
        EXPECT_EQ(read.problem.fault, expected.fault);
        return;
    }
    ASSERT_TRUE(read.ok) << static_cast<int>(read.problem.kind);
    EXPECT_EQ(read.picture.width, expected.width);
    EXPECT_EQ(read.picture.height, expected.height);
    EXPECT_EQ(read.picture.hasAlpha, expected.hasAlpha);
    EXPECT_EQ(Checksum(read.picture), expected.checksum);
}

INSTANTIATE_TEST_SUITE_P(Files, BitmapCorpus, testing::ValuesIn(CorpusCases));

// Any bytes give a picture whose pixels fill its size, or a refusal with a
// reason: never a crash, a hang or a picture without pixels.
void ExpectCleanVerdict(std::span<const std::uint8_t> bytes, const std::string &what)
{
    const PictureFileContents read = Decode(bytes);
    if (read.ok) {
        ASSERT_GT(read.picture.width, 0) << what;
        ASSERT_GT(read.picture.height, 0) << what;
        ASSERT_EQ(read.picture.pixels.size(),
                  static_cast<std::size_t>(read.picture.width) * static_cast<std::size_t>(read.picture.height))
            << what;
    } else {
        ASSERT_NE(read.problem.kind, Kind::None) << what;
    }
}

class BitmapSweep : public testing::TestWithParam<const char *>
{
};

TEST_P(BitmapSweep, EveryCutAndEveryFlippedBitEndsCleanly)
{
    const std::vector<std::uint8_t> file = ReadFile(std::string(VALBUM_FUZZ_DIR) + "/" + GetParam());
    ASSERT_FALSE(file.empty());
    for (std::size_t length = 0; length < file.size(); ++length)
        ExpectCleanVerdict(std::span(file).first(length), "cut at " + std::to_string(length));
    std::vector<std::uint8_t> flipped = file;
    for (std::size_t bit = 0; bit < file.size() * 8; ++bit) {
        flipped[bit / 8] ^= static_cast<std::uint8_t>(1u << bit % 8);
        ExpectCleanVerdict(flipped, "bit " + std::to_string(bit) + " flipped");
        flipped[bit / 8] = file[bit / 8];
    }
}

INSTANTIATE_TEST_SUITE_P(SmallFiles, BitmapSweep,
                         testing::Values("picture-seeds/rle4.bmp", "picture-seeds/rle8.bmp",
                                         "picture-seeds/seed-1bit.bmp", "picture-seeds/v2-header-16bit.bmp",
                                         "picture-seeds/v3-header-32bit.bmp", "picture-seeds/seed.ico",
                                         "picture-seeds/pillow-black_and_white.ico",
                                         "picture-seeds/pillow-hopper_draw.ico"));

} // namespace
