// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumwriter.h"
#include "codec/pixelcodec.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// What the album core's tests share. No Qt: they run wherever the core builds.

// A colour from its channels, as 0xAARRGGBB.
constexpr Rgb MakeRgb(int r, int g, int b, int a = 255)
{
    return static_cast<Rgb>(a) << 24 | static_cast<Rgb>(r) << 16 | static_cast<Rgb>(g) << 8 | static_cast<Rgb>(b);
}
constexpr int RedOf(Rgb c)
{
    return static_cast<int>(c >> 16 & 0xFF);
}
constexpr int GreenOf(Rgb c)
{
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int BlueOf(Rgb c)
{
    return static_cast<int>(c & 0xFF);
}

// A picture of any size.
struct TestPicture
{
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    TestPicture(int w, int h, Rgb fill = MakeRgb(0, 0, 0));
    ImageView view() const { return {pixels.data(), width, height, width}; }
    Rgb &at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// A 92 x 92 picture of one colour.
AlbumBitmap SolidBitmap(Rgb colour);
// Every pixel an independent pseudo-random colour (the same as the Qt test
// support's NoisyImage): the hardest picture to compress.
AlbumBitmap NoisyBitmap(std::uint32_t seed);

// The album bytes the program writes for these images and password.
AlbumWriteResult EncodeBitmaps(const std::vector<AlbumBitmap> &images, std::string_view password = {},
                               const ImageCompressor &compress = CompressImage);

// The source tree, where the tests' data files are: given on the command line
// as --source-dir=DIR (relative to the working directory or absolute), else
// the VALBUM_SOURCE_DIR environment variable, else the folder the build was
// configured from.
std::filesystem::path SourceDir();
void SetSourceDir(const std::filesystem::path &dir);
// Takes --source-dir=DIR from a test program's arguments (after GoogleTest
// has taken its own), so its data is found under an emulator, Wine or Node.
void TakeSourceDirFlag(int argc, char **argv);

// A whole file's bytes; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path &path);
