// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A phone's 12-megapixel HEIC brought in with smoothing, against libheif's
// own decode of the same file to 8-bit RGB: the floor, as no import can
// skip the decode. Target: at most 1.2 times the floor. The file is named by
// VALBUM_BENCH_HEIC (bench/heic_import.sh makes one and prints the ratio).

#include "qtimage/albumimage.h"

#include "support/readpictures.h"

#include <QBuffer>
#include <QFile>

#include <libheif/heif.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

QByteArray BenchHeic()
{
    const char *path = std::getenv("VALBUM_BENCH_HEIC");
    if (path == nullptr)
        return {};
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_HeicLibheifDecode(benchmark::State &state)
{
    const QByteArray heic = BenchHeic();
    if (heic.isEmpty()) {
        state.SkipWithError("VALBUM_BENCH_HEIC names no file");
        return;
    }
    for (auto _ : state) {
        const std::unique_ptr<heif_context, void (*)(heif_context *)> context(heif_context_alloc(), heif_context_free);
        heif_context_read_from_memory_without_copy(context.get(), heic.constData(), std::size_t(heic.size()), nullptr);
        heif_image_handle *handle = nullptr;
        heif_context_get_primary_image_handle(context.get(), &handle);
        heif_image *image = nullptr;
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
        benchmark::DoNotOptimize(image);
        heif_image_release(image);
        heif_image_handle_release(handle);
    }
}
BENCHMARK(BM_HeicLibheifDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HeicImportSmooth(benchmark::State &state)
{
    const QByteArray heic = BenchHeic();
    if (heic.isEmpty()) {
        state.SkipWithError("VALBUM_BENCH_HEIC names no file");
        return;
    }
    ConversionOptions options;
    options.smooth = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportPictureBytes(BytesOf(heic), options).ok);
}
BENCHMARK(BM_HeicImportSmooth)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
