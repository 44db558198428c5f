// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/look.h"

#include "conversion/greyreduction.h"

#include <algorithm>

namespace {

constexpr int Side = AlbumImageSide;
constexpr std::size_t PixelCount = std::size_t{Side} * Side;

std::vector<float> gaussianKernel(double sigma)
{
    // The smallest whole radius of at least three sigma.
    int radius = static_cast<int>(3 * sigma);
    if (radius < 3 * sigma)
        ++radius;
    radius = std::max(1, radius);
    std::vector<float> kernel(static_cast<std::size_t>(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double weight = PortableExp(-(i * i) / (2 * sigma * sigma));
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

std::vector<float> TrueGreys(const AlbumBitmap &placedSquare, const ConversionOptions &options)
{
    const std::vector<int> sixteenths = AdjustedLuminance(placedSquare, options.brightness, options.contrast);
    std::vector<float> greys(sixteenths.size());
    std::transform(sixteenths.begin(), sixteenths.end(), greys.begin(),
                   [](int value) { return static_cast<float>(value) / 16.0f; });
    return greys;
}

std::vector<float> ShownGreys(const AlbumBitmap &albumImage)
{
    const AlbumBitmap shown = DeviceView(albumImage.view());
    std::vector<float> greys(PixelCount);
    for (std::size_t i = 0; i < PixelCount; ++i)
        greys[i] = Luminance(shown.pixels[i]);
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

double PortableExp(double x)
{
    constexpr int Halvings = 10;
    constexpr int Terms = 14;
    const double small = x / 1024.0;
    // Horner's rule from the last term down: 1 + s (1 + s/2 (1 + s/3 (...))).
    double sum = 1.0;
    for (int k = Terms; k >= 1; --k)
        sum = 1.0 + small * sum / k;
    for (int i = 0; i < Halvings; ++i)
        sum = sum * sum;
    return sum;
}
