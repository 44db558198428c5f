#pragma once

#include <QImage>

#include <cstdint>

// A 92 x 92 RGB32 picture of one colour.
QImage SolidImage(QRgb colour);

// A 92 x 92 picture of pseudo-random colours; the same seed gives the same picture.
QImage NoisyImage(std::uint32_t seed);
