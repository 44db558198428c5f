#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>

// A 92 x 92 RGB32 picture of one colour.
QImage SolidImage(QRgb colour);

// A 92 x 92 picture of pseudo-random colours; the same seed gives the same picture.
QImage NoisyImage(std::uint32_t seed);

// A GIF of one pixel of palette entry 0, (0x12, 0x34, 0x56): Qt has no GIF writer.
inline const QByteArray OnePixelGif =
    QByteArray::fromHex("47494638396101000100800000123456ffffff2c00000000010001000002024401003b");
