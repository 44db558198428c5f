// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/greyreduction.h"

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
    std::array<Rgb, 7> colour{};
    std::array<int, 7> value{};
};

DeviceGreys deviceGreys()
{
    DeviceGreys greys;
    for (int nibble = 0; nibble < 16; ++nibble) {
        const Rgb colour = NibbleColour(static_cast<std::uint8_t>(nibble));
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
int patternTarget(int value, int rank, int ranks, int divisor, const DeviceGreys &greys)
{
    int lower = 0;
    while (lower < 6 && greys.value[static_cast<std::size_t>(lower) + 1] <= value)
        ++lower;
    if (lower == 6)
        return value;
    const int step = greys.value[static_cast<std::size_t>(lower) + 1] - greys.value[static_cast<std::size_t>(lower)];
    return value + divideRounded(std::int64_t{2 * rank - (ranks - 1)} * step, divisor);
}

int patternLevel(int value, int rank, int ranks, int divisor, const DeviceGreys &greys)
{
    return levelOf(patternTarget(value, rank, ranks, divisor, greys));
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

// The 1-`centre`-1 blur across and then down, edges repeated, in exact
// integers; compact's centre is 4.
constexpr int CompactBlurCentre = 4;
void blurLightly(std::vector<int> &values, int centre)
{
    constexpr int Side = AlbumImageSide;
    const auto at = [](int x, int y) { return static_cast<std::size_t>(y * Side + x); };
    std::vector<std::int64_t> across(values.size());
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            across[at(x, y)] = std::int64_t{values[at(std::max(x - 1, 0), y)]} + centre * values[at(x, y)]
                               + values[at(std::min(x + 1, Side - 1), y)];
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            values[at(x, y)] = divideRounded(across[at(x, std::max(y - 1, 0))] + centre * across[at(x, y)]
                                                 + across[at(x, std::min(y + 1, Side - 1))],
                                             (centre + 2) * (centre + 2));
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

// Compact diffusion decides pixels with the compressor in mind. Its base is
// compact's 2 x 2 pattern, narrower (-3/10 .. +3/10 of the step) on a lighter
// blur (1-6-1), with 5/16 of each pixel's error handed on as Floyd-Steinberg
// hands it on, which restores shades between the pattern's steps. On top,
// where a run of whole bytes copied from 1 or 2 bytes back, or from a row or
// two up, costs the pattern little, the run is copied: the compressor then
// stores it as a match of 2 or 3 bytes instead of one byte a byte. A run is
// taken when the error it adds, measured against the pattern's own target
// and carried along the row as the diffusion carries it, stays under
// BytePrice for every byte it saves; its error is then handed on as usual.
// Measured on real photos (bench/look_vs_size.sh) against other shares,
// widths, blurs, prices and distances, and against plain error diffusion
// that copies runs: this gave the best look at the plain import's size.
constexpr int CompactDiffusionBlurCentre = 6;
constexpr int CompactDiffusionDivisor = 10;
constexpr int CompactDiffusionShare = 5; // sixteenths of the error handed on
constexpr std::array<int, 4> CopyDistances{1, 2, AlbumImageSide / 2, AlbumImageSide}; // in bytes
constexpr int ShortestCopy = 3;          // bytes: the compressor's shortest cheap match
constexpr int LongestCopy = 32;          // bytes
constexpr std::int64_t BytePrice = 5000; // squared sixteenths of added error worth one stored byte

// Stored bytes a copied run of `bytes` saves: a match of up to 8 bytes takes
// 2, a longer one 3.
int bytesSaved(int bytes)
{
    return bytes <= 8 ? bytes - 2 : bytes - 3;
}

class CompactDiffusion
{
public:
    CompactDiffusion(std::vector<int> &values, const DeviceGreys &greys)
        : m_values(values)
        , m_greys(greys)
    {
    }

    std::vector<int> levels()
    {
        for (int y = 0; y < AlbumImageSide; ++y)
            for (int x = 0; x < AlbumImageSide;) {
                const int pixels = std::min(2 * LongestCopy, AlbumImageSide - x);
                simulatePattern(x, y, pixels);
                const Copy copy = bestCopy(x, y, pixels);
                if (copy.bytes > 0) {
                    for (int i = 0; i < 2 * copy.bytes; ++i)
                        set(x + i, y, m_levels[index(x + i, y) - 2 * static_cast<std::size_t>(copy.distance)]);
                    x += 2 * copy.bytes;
                } else {
                    for (int i = 0; i < 2; ++i)
                        set(x + i, y, levelOf(target(m_values[index(x + i, y)], x + i, y)));
                    x += 2;
                }
            }
        return m_levels;
    }

private:
    struct Copy
    {
        int distance = 0;
        int bytes = 0;
    };

    static std::size_t index(int x, int y) { return static_cast<std::size_t>(y * AlbumImageSide + x); }

    // What the pattern aims at for this value at this place.
    int target(int value, int x, int y) const
    {
        const int rank = CompactPattern[static_cast<std::size_t>((y % 2) * 2 + x % 2)];
        return patternTarget(std::clamp(value, 0, MaxValue), rank, static_cast<int>(CompactPattern.size()),
                             CompactDiffusionDivisor, m_greys);
    }

    int grey(int level) const { return m_greys.value[static_cast<std::size_t>(level)]; }

    // The part of an error the next pixel of the row receives.
    static int carried(int error)
    {
        return divideRounded(std::int64_t{divideRounded(std::int64_t{error} * CompactDiffusionShare, SubSteps)}
                                 * FloydSteinbergSpread[0].weight,
                             FloydSteinbergDivisor);
    }

    void set(int x, int y, int level)
    {
        m_levels[index(x, y)] = level;
        const int error = m_values[index(x, y)] - grey(level);
        diffuse(m_values, x, y, divideRounded(std::int64_t{error} * CompactDiffusionShare, SubSteps),
                FloydSteinbergSpread, FloydSteinbergDivisor);
    }

    static std::int64_t squared(int value) { return std::int64_t{value} * value; }

    // The pattern's own error over the next `pixels` pixels, as sums from x.
    void simulatePattern(int x, int y, int pixels)
    {
        int carry = 0;
        m_patternCost[0] = 0;
        for (int i = 0; i < pixels; ++i) {
            const int value = m_values[index(x + i, y)] + carry;
            const int aim = target(value, x + i, y);
            const int level = levelOf(aim);
            carry = carried(value - grey(level));
            m_patternCost[static_cast<std::size_t>(i) + 1] =
                m_patternCost[static_cast<std::size_t>(i)] + squared(aim - grey(level));
        }
    }

    Copy bestCopy(int x, int y, int pixels)
    {
        Copy best;
        std::int64_t bestGain = 0;
        const std::size_t start = index(x, y);
        for (int distance : CopyDistances) {
            const auto back = 2 * static_cast<std::size_t>(distance);
            if (back > start)
                continue;
            int carry = 0;
            std::int64_t cost = 0;
            for (int i = 0; i < pixels; ++i) {
                const std::size_t at = start + static_cast<std::size_t>(i);
                // A run shorter than its distance repeats itself.
                const int level = at - back >= start ? m_run[at - back - start] : m_levels[at - back];
                m_run[static_cast<std::size_t>(i)] = level;
                const int value = m_values[at] + carry;
                carry = carried(value - grey(level));
                cost += squared(target(value, x + i, y) - grey(level));
                const int bytes = (i + 1) / 2;
                if (i % 2 == 0 || bytes < ShortestCopy)
                    continue;
                const std::int64_t gain =
                    BytePrice * bytesSaved(bytes) - (cost - m_patternCost[static_cast<std::size_t>(i) + 1]);
                if (gain > bestGain) {
                    bestGain = gain;
                    best = {distance, bytes};
                }
            }
        }
        return best;
    }

    std::vector<int> &m_values;
    const DeviceGreys &m_greys;
    std::vector<int> m_levels = std::vector<int>(static_cast<std::size_t>(AlbumImageSide) * AlbumImageSide);
    std::array<std::int64_t, 2 * LongestCopy + 1> m_patternCost{};
    std::array<int, 2 * LongestCopy> m_run{};
};

} // namespace

std::vector<int> AdjustedLuminance(const AlbumBitmap &square, int brightness, int contrast)
{
    const std::array<int, 256> tone = toneTable(brightness, contrast);
    std::vector<int> values(square.pixels.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = tone[Luminance(square.pixels[i])];
    return values;
}

void ReduceToGreys(AlbumBitmap &square, const ConversionOptions &options)
{
    const DeviceGreys greys = deviceGreys();
    std::vector<int> values = AdjustedLuminance(square, options.brightness, options.contrast);
    std::vector<int> decided;
    if (options.greys == GreyDither::Compact)
        blurLightly(values, CompactBlurCentre);
    if (options.greys == GreyDither::CompactDiffusion) {
        blurLightly(values, CompactDiffusionBlurCentre);
        decided = CompactDiffusion(values, greys).levels();
    }

    for (int y = 0; y < AlbumImageSide; ++y) {
        Rgb *line = square.pixels.data() + static_cast<std::size_t>(y) * AlbumImageSide;
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
            case GreyDither::CompactDiffusion:
                level = decided[static_cast<std::size_t>(y * AlbumImageSide + x)];
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
