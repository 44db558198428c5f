// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/conversionoptions.h"

#include <QImage>

#include <span>
#include <vector>

// How good an album image looks: its greys as the device shows them against
// the true greys of the picture, both seen through a Gaussian blur (a viewer
// a little way off), compared by SSIM.

// The true grey of every pixel of a 92 x 92 square placed with `options`' fit
// and smoothing, before any reduction: its exact luminance adjusted by the
// options' brightness and contrast, row by row.
std::vector<float> TrueGreys(const QImage &placedSquare, const ConversionOptions &options);

// The grey of every pixel of a 92 x 92 album image as the device shows it.
std::vector<float> ShownGreys(const QImage &albumImage);

// Mean SSIM (Gaussian window of 1.5 pixels, the usual constants for 0-255)
// of two 92 x 92 grey pictures after both are blurred with a Gaussian of
// `sigma` pixels: 1 for identical pictures, lower the worse the likeness.
double Look(std::span<const float> shown, std::span<const float> truth, double sigma = 1.0);
