// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The renderings into the seven greys as the editor names them, in the
// order of GreyDither's values, in the spoken language: the picture
// dialog's choices, and what a best-fit thumbnail says it is shown as.
QStringList GreyDitherTexts();
