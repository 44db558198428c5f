// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/albumbitmap.h"
#include "support/testalbums.h"

#include <benchmark/benchmark.h>

#include <cfloat>
#include <cmath>
#include <vector>

// Targets (one core): encoding or decoding one picture within 0.1 ms, so that
// neither is visible next to compression (writing) or drawing (reading).

namespace {

// Colours whose exact luminance is, or is not, a half: the two ways through Luminance().
std::vector<QRgb> coloursWithHalves(bool halves)
{
    std::vector<QRgb> colours;
    for (int r = 0; r < 256 && colours.size() < 4096; ++r)
        for (int g = 0; g < 256 && colours.size() < 4096; g += 3)
            for (int b = 0; b < 256 && colours.size() < 4096; b += 7)
                if (((30 * r + 59 * g + 11 * b) % 100 == 50) == halves)
                    colours.push_back(qRgb(r, g, b));
    return colours;
}

void BM_Luminance(benchmark::State &state)
{
    const bool halves = state.range(0) != 0;
    const std::vector<QRgb> colours = coloursWithHalves(halves);
    for (auto _ : state) {
        unsigned sum = 0;
        for (QRgb colour : colours)
            sum += Luminance(colour);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * colours.size()));
    state.SetLabel(halves ? "exact halves (table filled on first use)" : "no halves (integer)");
}
BENCHMARK(BM_Luminance)->Arg(0)->Arg(1);

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
// Luminance as it was before the integer emulation: the same shortcut, and
// x87 long double itself at the halves.
[[gnu::noinline]] std::uint8_t x87Luminance(QRgb colour)
{
    const int r = qRed(colour);
    const int g = qGreen(colour);
    const int b = qBlue(colour);
    const int hundredfold = 30 * r + 59 * g + 11 * b;
    if (hundredfold % 100 != 50)
        return static_cast<std::uint8_t>((hundredfold + 50) / 100);
    const long double y = ((static_cast<long double>(r) * 0.3L) + (static_cast<long double>(g) * 0.59L))
                          + (static_cast<long double>(b) * 0.11L);
    return static_cast<std::uint8_t>(std::rintl(y));
}

void BM_LuminanceX87AtHalves(benchmark::State &state)
{
    const std::vector<QRgb> colours = coloursWithHalves(true);
    for (auto _ : state) {
        unsigned sum = 0;
        for (QRgb colour : colours)
            sum += x87Luminance(colour);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * colours.size()));
}
BENCHMARK(BM_LuminanceX87AtHalves);
#endif

void BM_EncodeImage(benchmark::State &state)
{
    const auto kind = static_cast<SamplePicture>(state.range(0));
    const QImage picture = MakeSamplePicture(kind);
    PackedImage packed{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeImageOf(picture, packed));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(SamplePictureName(kind));
}
BENCHMARK(BM_EncodeImage)
    ->Arg(static_cast<int>(SamplePicture::Photo))
    ->Arg(static_cast<int>(SamplePicture::Noise))
    ->Unit(benchmark::kMicrosecond);

// Pictures from a picture file may arrive in another format and are converted first.
void BM_EncodeImageConverting(benchmark::State &state)
{
    const QImage picture = MakeSamplePicture(SamplePicture::Photo).convertToFormat(QImage::Format_RGB888);
    PackedImage packed{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeImageOf(picture, packed));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EncodeImageConverting)->Unit(benchmark::kMicrosecond);

void BM_DecodeImage(benchmark::State &state)
{
    PackedImage packed{};
    EncodeImageOf(MakeSamplePicture(SamplePicture::Noise), packed);
    QImage bitmap(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (auto _ : state) {
        DecodeImageInto(packed, bitmap);
        benchmark::DoNotOptimize(bitmap.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

} // namespace
