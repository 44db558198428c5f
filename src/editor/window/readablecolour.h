// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// How far apart two colours are for the eye, as the ratio of their relative
// luminances (1 to 21); 4.5 is what text needs to be read with ease.
double ContrastRatio(const QColor &first, const QColor &second);

// `preferred`, moved step by step towards black or white, whichever is
// further from `background`, until it reaches `minimumRatio` against it.
QColor ReadableColour(const QColor &preferred, const QColor &background, double minimumRatio = 4.5);
