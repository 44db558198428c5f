// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/look.h"

#include "picture/albumbitmap.h"
#include "picture/greyreduction.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Side = AlbumImageSide;
constexpr std::size_t PixelCount = std::size_t{Side} * Side;

std::vector<float> gaussianKernel(double sigma)
{
    const int radius = std::max(1, static_cast<int>(std::ceil(3 * sigma)));
    std::vector<float> kernel(static_cast<std::size_t>(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double weight = std::exp(-(i * i) / (2 * sigma * sigma));
        kernel[static_cast<std::size_t>(i + radius)] = static_cast<float>(weight);
        sum += weight;
    }
    for (float &weight : kernel)
        weight = static_cast<float>(weight / sum);
    return kernel;
}

// Separable convolution; the edge pixels repeat outwards so the border is not
// darkened by an imaginary black frame.
std::vector<float> blurred(std::span<const float> picture, const std::vector<float> &kernel)
{
    const int radius = static_cast<int>(kernel.size() / 2);
    const auto at = [](int x, int y) { return static_cast<std::size_t>(y * Side + x); };
    std::vector<float> across(PixelCount);
    std::vector<float> result(PixelCount);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            float sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += kernel[static_cast<std::size_t>(i + radius)] * picture[at(std::clamp(x + i, 0, Side - 1), y)];
            across[at(x, y)] = sum;
        }
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            float sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += kernel[static_cast<std::size_t>(i + radius)] * across[at(x, std::clamp(y + i, 0, Side - 1))];
            result[at(x, y)] = sum;
        }
    return result;
}

std::vector<float> product(std::span<const float> a, std::span<const float> b)
{
    std::vector<float> result(PixelCount);
    for (std::size_t i = 0; i < PixelCount; ++i)
        result[i] = a[i] * b[i];
    return result;
}

} // namespace

std::vector<float> TrueGreys(const QImage &placedSquare, const ConversionOptions &options)
{
    const std::vector<int> sixteenths = AdjustedLuminance(placedSquare, options.brightness, options.contrast);
    std::vector<float> greys(sixteenths.size());
    std::transform(sixteenths.begin(), sixteenths.end(), greys.begin(),
                   [](int value) { return static_cast<float>(value) / 16.0f; });
    return greys;
}

std::vector<float> ShownGreys(const QImage &albumImage)
{
    const QImage shown = DeviceView(albumImage);
    std::vector<float> greys(PixelCount);
    for (int y = 0; y < Side; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        for (int x = 0; x < Side; ++x)
            greys[static_cast<std::size_t>(y * Side + x)] = Luminance(line[x]);
    }
    return greys;
}

double Look(std::span<const float> shown, std::span<const float> truth, double sigma)
{
    if (shown.size() != PixelCount || truth.size() != PixelCount)
        return 0;
    const std::vector<float> viewKernel = gaussianKernel(sigma);
    const std::vector<float> x = blurred(shown, viewKernel);
    const std::vector<float> y = blurred(truth, viewKernel);

    const std::vector<float> window = gaussianKernel(1.5);
    const std::vector<float> meanX = blurred(x, window);
    const std::vector<float> meanY = blurred(y, window);
    const std::vector<float> meanXX = blurred(product(x, x), window);
    const std::vector<float> meanYY = blurred(product(y, y), window);
    const std::vector<float> meanXY = blurred(product(x, y), window);

    constexpr double C1 = (0.01 * 255) * (0.01 * 255);
    constexpr double C2 = (0.03 * 255) * (0.03 * 255);
    double sum = 0;
    for (std::size_t i = 0; i < PixelCount; ++i) {
        const double mx = meanX[i];
        const double my = meanY[i];
        const double vx = meanXX[i] - mx * mx;
        const double vy = meanYY[i] - my * my;
        const double cxy = meanXY[i] - mx * my;
        sum += ((2 * mx * my + C1) * (2 * cxy + C2)) / ((mx * mx + my * my + C1) * (vx + vy + C2));
    }
    return sum / static_cast<double>(PixelCount);
}
