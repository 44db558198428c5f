// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 12-bit TIFFs, written here by libtiff, against their 16-bit twins: the
// same samples with their top bits repeated below them.

#include "messages/picturetexts.h"
#include "picture/picturefile.h"

#include "support/readpictures.h"

#include <QTemporaryDir>

#include <tiffio.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

using namespace Qt::StringLiterals;

struct Page
{
    const char *name;
    std::uint16_t photometric;
    std::uint16_t samples; // a pixel's, alpha included
    bool separate;
    bool tiled;
    std::uint16_t compression;
};

// Odd widths leave half a byte at the end of each 12-bit row.
constexpr std::uint32_t Width = 37, Height = 23;

std::uint16_t Sample(std::uint32_t x, std::uint32_t y, unsigned k)
{
    return std::uint16_t((x * 97 + y * 1031 + k * 577) % 4096);
}

struct TiffCloser
{
    void operator()(TIFF *tiff) const { TIFFClose(tiff); }
};

// Packs one plane's row (all samples, or sample `plane` alone) at `bits`.
std::vector<std::uint8_t> Row(const Page &page, int bits, std::uint32_t y, std::uint32_t x0, std::uint32_t columns,
                              unsigned plane)
{
    std::vector<std::uint8_t> row;
    unsigned pending = 0;
    bool half = false;
    const unsigned n = page.separate ? 1 : page.samples;
    for (std::uint32_t x = x0; x < x0 + columns; ++x)
        for (unsigned k = 0; k < n; ++k) {
            const std::uint16_t v = x < Width && y < Height ? Sample(x, y, page.separate ? plane : k) : 0;
            if (bits == 16) {
                const std::uint16_t wide = std::uint16_t((v << 4) | (v >> 8));
                std::uint8_t native[2]; // libtiff takes 16-bit samples in the machine's order
                std::memcpy(native, &wide, 2);
                row.insert(row.end(), native, native + 2);
            } else if (!half) {
                row.push_back(std::uint8_t(v >> 4));
                pending = v & 0x0F;
                half = true;
            } else {
                row.push_back(std::uint8_t((pending << 4) | (v >> 8)));
                row.push_back(std::uint8_t(v & 0xFF));
                half = false;
            }
        }
    if (half)
        row.push_back(std::uint8_t(pending << 4));
    return row;
}

bool Write(const QString &path, const Page &page, int bits)
{
    const std::unique_ptr<TIFF, TiffCloser> tiff(TIFFOpen(path.toLocal8Bit().constData(), "w"));
    if (!tiff)
        return false;
    TIFF *t = tiff.get();
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, Width);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, Height);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, page.samples);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, page.photometric);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, page.separate ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_COMPRESSION, page.compression);
    if (page.samples == 4 || page.samples == 2) {
        const std::uint16_t kind = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &kind);
    }
    const unsigned planes = page.separate ? page.samples : 1;
    if (page.tiled) {
        TIFFSetField(t, TIFFTAG_TILEWIDTH, 16);
        TIFFSetField(t, TIFFTAG_TILELENGTH, 16);
        for (unsigned plane = 0; plane < planes; ++plane)
            for (std::uint32_t ty = 0; ty < Height; ty += 16)
                for (std::uint32_t tx = 0; tx < Width; tx += 16) {
                    std::vector<std::uint8_t> tile;
                    for (std::uint32_t r = 0; r < 16; ++r) {
                        const std::vector<std::uint8_t> row = Row(page, bits, ty + r, tx, 16, plane);
                        tile.insert(tile.end(), row.begin(), row.end());
                    }
                    if (TIFFWriteTile(t, tile.data(), tx, ty, 0, std::uint16_t(plane)) < 0)
                        return false;
                }
    } else {
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 5);
        for (unsigned plane = 0; plane < planes; ++plane)
            for (std::uint32_t y = 0; y < Height; ++y) {
                std::vector<std::uint8_t> row = Row(page, bits, y, 0, Width, plane);
                if (TIFFWriteScanline(t, row.data(), y, std::uint16_t(plane)) < 0)
                    return false;
            }
    }
    return true;
}

const Page Read[] = {
    {"grey", PHOTOMETRIC_MINISBLACK, 1, false, false, COMPRESSION_NONE},
    {"grey, white as zero, LZW", PHOTOMETRIC_MINISWHITE, 1, false, false, COMPRESSION_LZW},
    {"RGB", PHOTOMETRIC_RGB, 3, false, false, COMPRESSION_NONE},
    {"RGB in planes, deflate", PHOTOMETRIC_RGB, 3, true, false, COMPRESSION_ADOBE_DEFLATE},
    {"RGB in tiles", PHOTOMETRIC_RGB, 3, false, true, COMPRESSION_NONE},
    {"grey in tiles, LZW", PHOTOMETRIC_MINISBLACK, 1, false, true, COMPRESSION_LZW},
};

} // namespace

TEST(TiffTwelveBit, GreyAndRgbComeInAsTheir16BitTwins)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Page &page : Read) {
        SCOPED_TRACE(page.name);
        const QString twelve = dir.filePath(u"12.tif"_s), sixteen = dir.filePath(u"16.tif"_s);
        ASSERT_TRUE(Write(twelve, page, 12));
        // The twin in strips: libtiff's RGBA reader garbles the last column
        // of tiles of a 16-bit grey page whose width is not whole tiles.
        Page strips = page;
        strips.tiled = false;
        ASSERT_TRUE(Write(sixteen, strips, 16));
        const PictureFileContents read = ReadPictureAt(twelve), twin = ReadPictureAt(sixteen);
        ASSERT_TRUE(read.ok) << PictureProblemText(read.problem).toStdString();
        ASSERT_TRUE(twin.ok) << PictureProblemText(twin.problem).toStdString();
        EXPECT_FALSE(read.picture.hasAlpha);
        EXPECT_EQ(ImageOf(read), ImageOf(twin));
        // Not one level for all: the samples' spread shows.
        EXPECT_NE(ImageOf(read).pixel(0, 0), ImageOf(read).pixel(int(Width) - 1, int(Height) - 1));
    }
}

// With alpha, 12-bit samples are still refused by name.
TEST(TiffTwelveBit, WithAlphaIsRefusedByName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Page page{"RGBA", PHOTOMETRIC_RGB, 4, false, false, COMPRESSION_NONE};
    const QString path = dir.filePath(u"rgba.tif"_s);
    ASSERT_TRUE(Write(path, page, 12));
    const PictureFileContents read = ReadPictureAt(path);
    ASSERT_FALSE(read.ok);
    EXPECT_EQ(read.problem.kind, PictureProblem::Kind::UnsupportedVariant);
    EXPECT_EQ(PictureProblemText(read.problem), u"TIFF with 12-bit samples is not supported."_s);
}
