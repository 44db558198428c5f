// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturefile.h"
#include "qtimage/albumimage.h"
#include "qtimage/qtconversion.h"
#include "support/readpictures.h"
#include "support/testalbums.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

// A 640 x 480 photo-like JPEG read as it is (BM_ReadJpeg), imported (read and
// brought into the album) with each conversion (BM_ImportPicture), and the
// conversion alone from the picture read (BM_Convert). Target (one core):
// any options add at most 25 % to the import time of the defaults;
// run_bench.sh prints each ratio. Times are the CPU time of the whole process,
// so smooth scaling that Qt spreads over threads is counted in full, and other
// users of a shared machine do not blur differences of a few per cent.

namespace {

struct Case
{
    const char *name;
    ConversionOptions options;
};

ConversionOptions with(PictureFit fit, bool smooth, GreyDither greys, int brightness = 0, int contrast = 0)
{
    return {fit, smooth, greys, brightness, contrast};
}

const std::array<Case, 11> Cases{{
    {"defaults", {}},
    {"crop", with(PictureFit::Crop, false, GreyDither::None)},
    {"pad", with(PictureFit::Pad, false, GreyDither::None)},
    {"smooth", with(PictureFit::Stretch, true, GreyDither::None)},
    {"smooth crop", with(PictureFit::Crop, true, GreyDither::None)},
    {"floyd-steinberg", with(PictureFit::Stretch, false, GreyDither::FloydSteinberg)},
    {"atkinson", with(PictureFit::Stretch, false, GreyDither::Atkinson)},
    {"ordered", with(PictureFit::Stretch, false, GreyDither::Ordered)},
    {"compact", with(PictureFit::Stretch, false, GreyDither::Compact)},
    {"tone", with(PictureFit::Stretch, false, GreyDither::None, 20, 30)},
    {"smooth pad floyd-steinberg tone", with(PictureFit::Pad, true, GreyDither::FloydSteinberg, -15, 40)},
}};

QImage photo640()
{
    // Soft colour shading with grain, like a camera picture.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grain(-10, 10);
    QImage image(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double light = 0.5 + 0.5 * std::sin(x / 60.0) * std::cos(y / 45.0);
            const auto channel = [&](double base) {
                return std::clamp(static_cast<int>(base * light * 255) + grain(random), 0, 255);
            };
            line[x] = qRgb(channel(1.0), channel(0.8), channel(0.6));
        }
    }
    return image;
}

const QString &jpegPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        QImage picture = photo640();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPEG", 90);
        return WriteTemporaryFile(dir, QStringLiteral("photo.jpg"), bytes);
    }();
    return path;
}

void BM_ReadJpeg(benchmark::State &state)
{
    const QString &path = jpegPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPictureAt(path).picture.pixels.data());
}
BENCHMARK(BM_ReadJpeg)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_ImportPicture(benchmark::State &state)
{
    const Case &c = Cases[static_cast<std::size_t>(state.range(0))];
    const QString &path = jpegPath();
    for (auto _ : state) {
        const PictureImport loaded = ImportPicture(path, c.options);
        if (!loaded.ok)
            state.SkipWithError("the picture did not come in");
        benchmark::DoNotOptimize(loaded.albumImage.constBits());
    }
    state.SetLabel(c.name);
}
BENCHMARK(BM_ImportPicture)->DenseRange(0, Cases.size() - 1)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_Convert(benchmark::State &state)
{
    const Case &c = Cases[static_cast<std::size_t>(state.range(0))];
    const QImage picture = ImageOf(ReadPictureAt(jpegPath()));
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertToAlbumImage(picture, c.options).constBits());
    state.SetLabel(c.name);
}
BENCHMARK(BM_Convert)->DenseRange(0, Cases.size() - 1)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

} // namespace
