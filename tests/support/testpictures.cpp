// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testpictures.h"

#include "qtimage/albumbitmap.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

QImage photoLike(std::uint32_t seed)
{
    // A lit sphere-like gradient across the square plus mild grain, so that
    // the grey levels form large areas with ragged borders.
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> grain(-12, 12);
    const double centreX = 20 + seed % 50;
    const double centreY = 30 + (seed * 7) % 40;
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (int y = 0; y < AlbumImageSide; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < AlbumImageSide; ++x) {
            const double distance = std::hypot(x - centreX, y - centreY);
            const int grey = std::clamp(static_cast<int>(250 - 2.4 * distance) + grain(random), 0, 255);
            line[x] = qRgb(grey, grey, grey);
        }
    }
    return image;
}

} // namespace

QImage SolidImage(QRgb colour)
{
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage NoisyPicture(int width, int height, std::uint32_t seed)
{
    std::mt19937 random(seed);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xFF000000u | (static_cast<QRgb>(random()) & 0xFFFFFFu);
    }
    return picture;
}

QImage NoisyImage(std::uint32_t seed)
{
    return NoisyPicture(AlbumImageSide, AlbumImageSide, seed);
}

QImage GradientPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) * 255 / (width + height)));
    return picture;
}

QImage MakeSamplePicture(SamplePicture kind, std::uint32_t seed)
{
    switch (kind) {
    case SamplePicture::Solid: {
        const int grey = static_cast<int>(seed * 37 % 256);
        return SolidImage(qRgb(grey, grey, grey));
    }
    case SamplePicture::Photo:
        return photoLike(seed);
    case SamplePicture::Noise:
        return NoisyImage(seed);
    }
    return {};
}

const char *SamplePictureName(SamplePicture kind)
{
    switch (kind) {
    case SamplePicture::Solid:
        return "solid";
    case SamplePicture::Photo:
        return "photo";
    case SamplePicture::Noise:
        return "noise";
    }
    return "";
}
