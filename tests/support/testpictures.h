// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>

// Pictures made for tests, benchmarks and fuzz seeds. The same arguments give
// the same picture on every machine.

// A 92 x 92 RGB32 picture of one colour.
QImage SolidImage(QRgb colour);

// Every pixel an independent pseudo-random colour: the hardest picture to
// compress, about 4,280 bytes as a 92 x 92 record, so some nineteen fill an album.
QImage NoisyPicture(int width, int height, std::uint32_t seed);
// The same at the album's size.
QImage NoisyImage(std::uint32_t seed);

// Red across, green down, blue along the diagonal.
QImage GradientPicture(int width, int height);

// Pictures that bracket what an album holds, from the easiest to compress to
// the hardest. All are 92 x 92 RGB32.
enum class SamplePicture {
    Solid, // one grey: the smallest record, so the most records in a full album
    Photo, // smooth shading with some grain, like a scaled-down photograph
    Noise, // NoisyImage: the largest record
};

QImage MakeSamplePicture(SamplePicture kind, std::uint32_t seed = 1);

// The name a benchmark shows for `kind`.
const char *SamplePictureName(SamplePicture kind);

// A GIF of one pixel of palette entry 0, (0x12, 0x34, 0x56): Qt has no GIF writer.
inline const QByteArray OnePixelGif =
    QByteArray::fromHex("47494638396101000100800000123456ffffff2c00000000010001000002024401003b");
