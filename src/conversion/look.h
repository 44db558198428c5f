// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"
#include "conversion/conversionoptions.h"

#include <span>
#include <vector>

// How good an album image looks: its greys as the device shows them against
// the true greys of the picture, both seen through a Gaussian blur (a viewer
// a little way off), compared by SSIM. Only + - * / in a fixed order, no
// library maths and no fused multiply-add (the library is built with
// contraction off), so every machine measures the same look and best fit
// makes the same choice.

// The true grey of every pixel of a square placed with `options`' fit and
// smoothing, before any reduction: its exact luminance adjusted by the
// options' brightness and contrast, row by row.
std::vector<float> TrueGreys(const AlbumBitmap &placedSquare, const ConversionOptions &options);

// The grey of every pixel of an album image as the device shows it.
std::vector<float> ShownGreys(const AlbumBitmap &albumImage);

// Mean SSIM (Gaussian window of 1.5 pixels, the usual constants for 0-255)
// of two 92 x 92 grey pictures after both are blurred with a Gaussian of
// `sigma` pixels: 1 for identical pictures, lower the worse the likeness;
// 0 when either is not 92 x 92.
double Look(std::span<const float> shown, std::span<const float> truth, double sigma = 1.0);

// e^x for |x| up to a few dozen, from the series on x / 1024 squared ten
// times back up: + - * / only, the same on every machine. Within 1e-12 of
// the exact value, relatively.
double PortableExp(double x);
