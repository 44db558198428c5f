// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/compression.h"
#include "support/testalbums.h"

#include <benchmark/benchmark.h>

#include <vector>

// Targets (one core): compressing one picture within 5 ms, decompressing one
// within 0.05 ms. The best-ratio compressor is by far the slowest step of a
// save, and a save of about fifty photographs should not keep the user waiting;
// decompression runs once per image on every load.

namespace {

PackedImage packedPicture(SamplePicture kind)
{
    PackedImage packed{};
    EncodeImageOf(MakeSamplePicture(kind), packed);
    return packed;
}

void BM_CompressImage(benchmark::State &state)
{
    if (!InitCompression()) {
        state.SkipWithError("the compression library does not initialise");
        return;
    }
    const auto kind = static_cast<SamplePicture>(state.range(0));
    const PackedImage packed = packedPicture(kind);
    std::vector<std::uint8_t> compressed;
    std::size_t size = 0;
    for (auto _ : state) {
        size = CompressImage(packed, compressed);
        benchmark::DoNotOptimize(compressed.data());
    }
    if (size == 0)
        state.SkipWithError("the picture did not compress");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * PackedImageSize));
    state.counters["compressed_bytes"] = static_cast<double>(size);
    state.SetLabel(SamplePictureName(kind));
}
BENCHMARK(BM_CompressImage)
    ->Arg(static_cast<int>(SamplePicture::Solid))
    ->Arg(static_cast<int>(SamplePicture::Photo))
    ->Arg(static_cast<int>(SamplePicture::Noise))
    ->Unit(benchmark::kMillisecond);

void BM_DecompressImage(benchmark::State &state)
{
    if (!InitCompression()) {
        state.SkipWithError("the compression library does not initialise");
        return;
    }
    const auto kind = static_cast<SamplePicture>(state.range(0));
    std::vector<std::uint8_t> compressed;
    if (CompressImage(packedPicture(kind), compressed) == 0) {
        state.SkipWithError("the picture did not compress");
        return;
    }
    PackedImage packed{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecompressImage(compressed, packed));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * PackedImageSize));
    state.SetLabel(SamplePictureName(kind));
}
BENCHMARK(BM_DecompressImage)
    ->Arg(static_cast<int>(SamplePicture::Solid))
    ->Arg(static_cast<int>(SamplePicture::Photo))
    ->Arg(static_cast<int>(SamplePicture::Noise))
    ->Unit(benchmark::kMicrosecond);

} // namespace
