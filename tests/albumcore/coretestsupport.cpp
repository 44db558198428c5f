// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coretestsupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace {

std::filesystem::path &sourceDirSetting()
{
    static std::filesystem::path dir;
    return dir;
}

} // namespace

TestPicture::TestPicture(int w, int h, Rgb fill)
    : width(w)
    , height(h)
    , pixels(static_cast<std::size_t>(w * h), fill)
{
}

AlbumBitmap SolidBitmap(Rgb colour)
{
    AlbumBitmap bitmap;
    bitmap.pixels.fill(colour);
    return bitmap;
}

AlbumBitmap NoisyBitmap(std::uint32_t seed)
{
    std::mt19937 random(seed);
    AlbumBitmap bitmap;
    for (Rgb &pixel : bitmap.pixels)
        pixel = 0xFF000000u | (static_cast<Rgb>(random()) & 0xFFFFFFu);
    return bitmap;
}

AlbumWriteResult EncodeBitmaps(const std::vector<AlbumBitmap> &images, std::string_view password,
                               const ImageCompressor &compress)
{
    return EncodeAlbumRecords(
        static_cast<int>(images.size()),
        [&](int index) { return CompressAlbumImage(images.at(static_cast<std::size_t>(index)).view(), compress); },
        password);
}

void SetSourceDir(const std::filesystem::path &dir)
{
    sourceDirSetting() = dir;
}

void TakeSourceDirFlag(int argc, char **argv)
{
    constexpr std::string_view SourceFlag = "--source-dir=";
    for (int i = 1; i < argc; ++i)
        if (const std::string_view argument = argv[i]; argument.starts_with(SourceFlag))
            SetSourceDir(argument.substr(SourceFlag.size()));
}

std::filesystem::path SourceDir()
{
    if (!sourceDirSetting().empty())
        return sourceDirSetting();
    if (const char *fromEnvironment = std::getenv("VALBUM_SOURCE_DIR"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return VALBUM_SOURCE_DIR;
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {};
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
