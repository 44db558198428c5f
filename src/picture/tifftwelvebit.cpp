// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/tifftwelvebit.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Sample `index` of a row of 12-bit samples packed high bits first, two
// samples to three bytes, widened to 16 bits by repeating its top bits.
std::uint16_t Widened(const std::vector<std::uint8_t> &row, std::size_t index)
{
    const std::size_t bit = index * 12, at = bit / 8;
    const unsigned v =
        bit % 8 == 0 ? (unsigned(row[at]) << 4) | (row[at + 1] >> 4) : ((unsigned(row[at]) & 0x0F) << 8) | row[at + 1];
    return std::uint16_t((v << 4) | (v >> 8));
}

// Bytes a row of `count` 12-bit samples takes, rounded up to whole bytes.
std::size_t RowBytes(std::size_t count)
{
    return (count * 12 + 7) / 8;
}

struct Layout
{
    std::uint32_t width = 0, height = 0;
    std::uint16_t samples = 1; // a pixel's
    bool separate = false;     // one plane a sample
    // In a row of one plane.
    std::uint16_t planeSamples() const { return separate ? 1 : samples; }
    std::uint16_t planes() const { return separate ? samples : 1; }
};

// Copies `columns` pixels of one plane's row into `out` (16-bit samples,
// pixel after pixel), from pixel `x` of image row `y` on.
void Place(const Layout &layout, const std::vector<std::uint8_t> &row, std::uint16_t plane, std::uint32_t x,
           std::uint32_t y, std::uint32_t columns, std::vector<std::uint16_t> &out)
{
    const std::uint16_t n = layout.planeSamples();
    for (std::uint32_t c = 0; c < columns; ++c)
        for (std::uint16_t k = 0; k < n; ++k) {
            const std::size_t pixel = std::size_t(y) * layout.width + x + c;
            out[pixel * layout.samples + (layout.separate ? plane : k)] = Widened(row, std::size_t(c) * n + k);
        }
}

bool ReadStrips(TIFF *tiff, const Layout &layout, std::vector<std::uint16_t> &out)
{
    const tmsize_t size = TIFFScanlineSize(tiff);
    if (size <= 0 || std::size_t(size) < RowBytes(std::size_t(layout.width) * layout.planeSamples()))
        return false;
    std::vector<std::uint8_t> row(std::size_t(size) + 1);
    for (std::uint16_t plane = 0; plane < layout.planes(); ++plane)
        for (std::uint32_t y = 0; y < layout.height; ++y) {
            if (TIFFReadScanline(tiff, row.data(), y, plane) < 0)
                return false;
            Place(layout, row, plane, 0, y, layout.width, out);
        }
    return true;
}

bool ReadTiles(TIFF *tiff, const Layout &layout, std::vector<std::uint16_t> &out)
{
    std::uint32_t tileWidth = 0, tileHeight = 0;
    TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &tileWidth);
    TIFFGetField(tiff, TIFFTAG_TILELENGTH, &tileHeight);
    const tmsize_t size = TIFFTileSize(tiff), rowSize = TIFFTileRowSize(tiff);
    const std::size_t rowBytes = RowBytes(std::size_t(tileWidth) * layout.planeSamples());
    if (tileWidth == 0 || tileHeight == 0 || size <= 0 || rowSize <= 0 || std::size_t(rowSize) < rowBytes
        || std::size_t(size) / std::size_t(rowSize) < tileHeight)
        return false;
    std::vector<std::uint8_t> tile(static_cast<std::size_t>(size));
    std::vector<std::uint8_t> row(std::size_t(rowSize) + 1);
    for (std::uint16_t plane = 0; plane < layout.planes(); ++plane)
        for (std::uint32_t ty = 0; ty < layout.height; ty += tileHeight)
            for (std::uint32_t tx = 0; tx < layout.width; tx += tileWidth) {
                if (TIFFReadTile(tiff, tile.data(), tx, ty, 0, plane) < 0)
                    return false;
                const std::uint32_t columns = std::min(tileWidth, layout.width - tx);
                for (std::uint32_t r = 0; r < tileHeight && ty + r < layout.height; ++r) {
                    const auto first = tile.begin() + std::ptrdiff_t(std::size_t(r) * std::size_t(rowSize));
                    std::copy(first, first + rowSize, row.begin());
                    Place(layout, row, plane, tx, ty + r, columns, out);
                }
            }
    return true;
}

} // namespace

bool IsTwelveBitGreyOrRgb(TIFF *tiff)
{
    std::uint16_t bits = 0, sampleFormat = SAMPLEFORMAT_UINT, samples = 1, photometric = 0, extra = 0;
    std::uint16_t *extraKinds = nullptr;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extra, &extraKinds);
    if (bits != 12 || sampleFormat != SAMPLEFORMAT_UINT || extra != 0
        || TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric) == 0)
        return false;
    if (photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE)
        return samples == 1;
    return photometric == PHOTOMETRIC_RGB && samples == 3;
}

bool ReadTwelveBitPixels(TIFF *tiff, RgbPicture &picture)
{
    Layout layout;
    std::uint16_t planar = PLANARCONFIG_CONTIG, photometric = 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &layout.samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    layout.width = std::uint32_t(picture.width);
    layout.height = std::uint32_t(picture.height);
    layout.separate = planar == PLANARCONFIG_SEPARATE && layout.samples > 1;
    std::vector<std::uint16_t> samples(picture.pixels.size() * layout.samples);
    if (!(TIFFIsTiled(tiff) ? ReadTiles(tiff, layout, samples) : ReadStrips(tiff, layout, samples)))
        return false;
    // The RGBA reader takes 16-bit grey by its high byte and 16-bit colour
    // through (v + 128) / 257, the nearest 8-bit level.
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        if (layout.samples == 1) {
            const Rgb high = samples[i] >> 8;
            const Rgb grey = photometric == PHOTOMETRIC_MINISWHITE ? 255 - high : high;
            picture.pixels[i] = 0xFF000000u | (grey << 16) | (grey << 8) | grey;
        } else {
            const auto level = [&](int k) { return Rgb((samples[i * 3 + std::size_t(k)] + 128u) / 257u); };
            picture.pixels[i] = 0xFF000000u | (level(0) << 16) | (level(1) << 8) | level(2);
        }
    }
    return true;
}
