// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/readablecolour.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance of an sRGB colour: each channel linearised, then weighted.
double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableColour(const QColor &preferred, const QColor &background, double minimumRatio)
{
    const QColor target = ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
                              ? QColor(Qt::black)
                              : QColor(Qt::white);
    QColor colour = preferred;
    for (int step = 1; step <= 20 && ContrastRatio(colour, background) < minimumRatio; ++step) {
        const double towards = step / 20.0;
        colour =
            QColor::fromRgbF(static_cast<float>(preferred.redF() + (target.redF() - preferred.redF()) * towards),
                             static_cast<float>(preferred.greenF() + (target.greenF() - preferred.greenF()) * towards),
                             static_cast<float>(preferred.blueF() + (target.blueF() - preferred.blueF()) * towards));
    }
    return colour;
}
