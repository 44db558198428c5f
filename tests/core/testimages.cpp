#include "testimages.h"

#include "pixelcodec.h"

#include <random>

QImage SolidImage(QRgb colour)
{
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage NoisyImage(std::uint32_t seed)
{
    std::mt19937 random(seed);
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           qRgb(static_cast<int>(random() & 0xFF), static_cast<int>(random() & 0xFF),
                                static_cast<int>(random() & 0xFF)));
    return image;
}
