#include "benchimages.h"

#include "albumfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

QImage photo(std::uint32_t seed)
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

QImage noise(std::uint32_t seed)
{
    std::mt19937 random(seed);
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (int y = 0; y < AlbumImageSide; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < AlbumImageSide; ++x)
            line[x] = 0xFF000000 | (random() & 0xFFFFFF);
    }
    return image;
}

} // namespace

QImage MakeBenchPicture(BenchPicture kind, std::uint32_t seed)
{
    switch (kind) {
    case BenchPicture::Solid: {
        QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
        image.fill(qRgb(static_cast<int>(seed * 37 % 256), static_cast<int>(seed * 37 % 256),
                        static_cast<int>(seed * 37 % 256)));
        return image;
    }
    case BenchPicture::Photo:
        return photo(seed);
    case BenchPicture::Noise:
        return noise(seed);
    }
    return {};
}

const char *BenchPictureName(BenchPicture kind)
{
    switch (kind) {
    case BenchPicture::Solid:
        return "solid";
    case BenchPicture::Photo:
        return "photo";
    case BenchPicture::Noise:
        return "noise";
    }
    return "";
}

QList<QImage> FullAlbumOf(BenchPicture kind)
{
    // Adds up record sizes the way the writer does, compressing each picture
    // once, and stops at the first picture that would cross the limit.
    QList<QImage> images;
    qint64 fileSize = AlbumHeaderSize;
    PackedImage packed{};
    std::vector<std::uint8_t> compressed;
    for (std::uint32_t seed = 1; images.size() < MaxImagesPerRead; ++seed) {
        images.append(MakeBenchPicture(kind, seed));
        EncodeImage(images.back(), packed);
        const std::size_t size = CompressImage(packed, compressed);
        fileSize += RecordHeaderSize + static_cast<qint64>(size);
        if (size == 0 || fileSize > AlbumSizeLimit)
            break;
    }
    return images;
}

QString WriteBenchFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    if (!dir.isValid())
        return {};
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}
