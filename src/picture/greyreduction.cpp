// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/greyreduction.h"

#include "picture/albumbitmap.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

// Luminance is carried in sixteenths of a grey step, so tone and error
// diffusion are exact integer arithmetic and give the same pixels everywhere.
constexpr int SubSteps = 16;
constexpr int MaxValue = 255 * SubSteps;

// The seven colours the device shows, by level, and their luminance in
// sixteenths: whatever the codec decodes, not a copy of its table.
struct DeviceGreys
{
    std::array<QRgb, 7> colour{};
    std::array<int, 7> value{};
};

DeviceGreys deviceGreys()
{
    DeviceGreys greys;
    for (int nibble = 0; nibble < 16; ++nibble) {
        const QRgb colour = NibbleColour(static_cast<std::uint8_t>(nibble));
        const std::uint8_t luminance = Luminance(colour);
        const auto level = static_cast<std::size_t>(GreyLevel(luminance));
        greys.colour[level] = colour;
        greys.value[level] = luminance * SubSteps;
    }
    return greys;
}

int divideRounded(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t half = denominator / 2;
    return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator));
}

// Adjusted luminance in sixteenths for each luminance 0-255. Contrast scales
// the distance from mid grey (down to nothing at -100, without bound at +100);
// brightness then adds up to a full white.
std::array<int, 256> toneTable(int brightness, int contrast)
{
    brightness = std::clamp(brightness, -ToneLimit, ToneLimit);
    contrast = std::clamp(contrast, -ToneLimit, ToneLimit);
    const std::int64_t numerator = contrast <= 0 ? ToneLimit + contrast : ToneLimit;
    const std::int64_t denominator = contrast <= 0 ? ToneLimit : std::max(1, ToneLimit - contrast);
    const int lift = divideRounded(std::int64_t{brightness} * MaxValue, ToneLimit);
    std::array<int, 256> table{};
    for (int y = 0; y < 256; ++y) {
        // Twice the distance from 127.5, so mid grey needs no fraction.
        const int centred = divideRounded(std::int64_t{2 * y - 255} * (SubSteps / 2) * numerator, denominator);
        table[static_cast<std::size_t>(y)] = std::clamp(centred + MaxValue / 2 + lift, 0, MaxValue);
    }
    return table;
}

// The level the codec's thresholds give an adjusted luminance.
int levelOf(int value)
{
    const int rounded = std::clamp((value + SubSteps / 2) / SubSteps, 0, 255);
    return GreyLevel(static_cast<std::uint8_t>(rounded));
}

constexpr std::array<int, 16> Bayer4{0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};

// A threshold pattern over uneven steps: rank `rank` of `ranks` shifts the
// value by (2 rank - (ranks - 1)) / `divisor` of the step it lies in, evenly
// spaced, always less than half a step, so a device grey itself never moves;
// the codec's thresholds, halfway between neighbouring greys, pick the level.
int patternLevel(int value, int rank, int ranks, int divisor, const DeviceGreys &greys)
{
    int lower = 0;
    while (lower < 6 && greys.value[static_cast<std::size_t>(lower) + 1] <= value)
        ++lower;
    if (lower == 6)
        return 6;
    const int step = greys.value[static_cast<std::size_t>(lower) + 1] - greys.value[static_cast<std::size_t>(lower)];
    return levelOf(value + divideRounded(std::int64_t{2 * rank - (ranks - 1)} * step, divisor));
}

// Ordered dithering: a 4 x 4 Bayer matrix, ranks 0..15 shifting by -15/34 ..
// +15/34 of the step.
int orderedLevel(int value, int x, int y, const DeviceGreys &greys)
{
    const int rank = Bayer4[static_cast<std::size_t>((y % 4) * 4 + x % 4)];
    return patternLevel(value, rank, static_cast<int>(Bayer4.size()), 34, greys);
}

// The compact rendering is made for the album's compressor, which rewards
// bytes that repeat; a byte holds two neighbouring pixels of a row. A 2 x 2
// pattern repeats every byte down a row, and on a light blur (a 1-4-1 kernel
// each way, about 0.6 pixel) the noise of a photo no longer breaks those
// repeats. Measured on real photos (bench/look_vs_size.sh), this ranking puts
// the lowest and highest threshold in the same byte, which both compressed
// and looked best of the 2 x 2 orders.
constexpr std::array<int, 4> CompactPattern{0, 3, 2, 1};

// Ranks 0..3 shift by -3/9, -1/9, +1/9, +3/9 of the step.
int compactLevel(int value, int x, int y, const DeviceGreys &greys)
{
    const int rank = CompactPattern[static_cast<std::size_t>((y % 2) * 2 + x % 2)];
    return patternLevel(value, rank, static_cast<int>(CompactPattern.size()), 9, greys);
}

// The 1-4-1 blur across and then down, edges repeated, in exact integers.
void blurForCompact(std::vector<int> &values)
{
    constexpr int Side = AlbumImageSide;
    const auto at = [](int x, int y) { return static_cast<std::size_t>(y * Side + x); };
    std::vector<std::int64_t> across(values.size());
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            across[at(x, y)] = std::int64_t{values[at(std::max(x - 1, 0), y)]} + 4 * values[at(x, y)]
                               + values[at(std::min(x + 1, Side - 1), y)];
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            values[at(x, y)] = divideRounded(across[at(x, std::max(y - 1, 0))] + 4 * across[at(x, y)]
                                                 + across[at(x, std::min(y + 1, Side - 1))],
                                             36);
}

struct Spread
{
    int dx;
    int dy;
    int weight;
};
// Floyd-Steinberg hands on all sixteen sixteenths; Atkinson six eighths.
constexpr std::array<Spread, 4> FloydSteinbergSpread{{{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}};
constexpr int FloydSteinbergDivisor = 16;
constexpr std::array<Spread, 6> AtkinsonSpread{{{1, 0, 1}, {2, 0, 1}, {-1, 1, 1}, {0, 1, 1}, {1, 1, 1}, {0, 2, 1}}};
constexpr int AtkinsonDivisor = 8;

template <std::size_t N>
void diffuse(std::vector<int> &values, int x, int y, int error, const std::array<Spread, N> &spread, int divisor)
{
    for (const Spread &to : spread) {
        const int nx = x + to.dx;
        const int ny = y + to.dy;
        if (nx < 0 || nx >= AlbumImageSide || ny >= AlbumImageSide)
            continue;
        values[static_cast<std::size_t>(ny * AlbumImageSide + nx)] +=
            divideRounded(std::int64_t{error} * to.weight, divisor);
    }
}

} // namespace

std::vector<int> AdjustedLuminance(const QImage &square, int brightness, int contrast)
{
    const std::array<int, 256> tone = toneTable(brightness, contrast);
    std::vector<int> values(static_cast<std::size_t>(AlbumImageSide) * AlbumImageSide);
    for (int y = 0; y < AlbumImageSide; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(square.constScanLine(y));
        for (int x = 0; x < AlbumImageSide; ++x)
            values[static_cast<std::size_t>(y * AlbumImageSide + x)] = tone[Luminance(line[x])];
    }
    return values;
}

void ReduceToGreys(QImage &square, const ConversionOptions &options)
{
    const DeviceGreys greys = deviceGreys();
    std::vector<int> values = AdjustedLuminance(square, options.brightness, options.contrast);
    if (options.greys == GreyDither::Compact)
        blurForCompact(values);

    for (int y = 0; y < AlbumImageSide; ++y) {
        auto *line = reinterpret_cast<QRgb *>(square.scanLine(y));
        for (int x = 0; x < AlbumImageSide; ++x) {
            const int value = values[static_cast<std::size_t>(y * AlbumImageSide + x)];
            int level = 0;
            switch (options.greys) {
            case GreyDither::None:
                level = levelOf(value);
                break;
            case GreyDither::Ordered:
                level = orderedLevel(std::clamp(value, 0, MaxValue), x, y, greys);
                break;
            case GreyDither::Compact:
                level = compactLevel(std::clamp(value, 0, MaxValue), x, y, greys);
                break;
            case GreyDither::FloydSteinberg:
            case GreyDither::Atkinson: {
                level = levelOf(value);
                const int error = value - greys.value[static_cast<std::size_t>(level)];
                if (options.greys == GreyDither::FloydSteinberg)
                    diffuse(values, x, y, error, FloydSteinbergSpread, FloydSteinbergDivisor);
                else
                    diffuse(values, x, y, error, AtkinsonSpread, AtkinsonDivisor);
                break;
            }
            }
            line[x] = greys.colour[static_cast<std::size_t>(level)];
        }
    }
}
