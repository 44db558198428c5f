// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamage.h"
#include "picture/picturefile.h"
#include "picture/qtconversion.h"

#include <QBuffer>
#include <QImage>

#include <benchmark/benchmark.h>

// Target (one core): checking a whole 12-megapixel JPEG or PNG for damage
// costs less than reading it; the read includes the check.

namespace {

const char *const Formats[] = {"JPEG", "PNG"};

// A 4000 x 3000 picture with grain, so neither format compresses it to nothing.
QByteArray LargePicture(const char *format)
{
    QImage picture(4000, 3000, QImage::Format_RGB32);
    quint32 state = 1;
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            line[x] =
                qRgb((x / 8 + y / 16 + int(state >> 29)) & 255, (y / 5 + int(state >> 28)) & 255, (x * y / 97) & 255);
        }
    }
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    picture.save(&device, format, 85);
    return bytes;
}

void BM_DamageCheck(benchmark::State &state)
{
    const char *format = Formats[state.range(0)];
    const QByteArray file = LargePicture(format);
    const QByteArray name = QByteArray(format).toLower();
    for (auto _ : state)
        benchmark::DoNotOptimize(IsDamagedPicture(name, file));
    state.SetLabel(format);
}
BENCHMARK(BM_DamageCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReadPictureFile(benchmark::State &state)
{
    const char *format = Formats[state.range(0)];
    QByteArray file = LargePicture(format);
    for (auto _ : state) {
        QBuffer device(&file);
        device.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(ReadPictureFile(device).ok);
    }
    state.SetLabel(format);
}
BENCHMARK(BM_ReadPictureFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
