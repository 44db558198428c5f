// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The words the picture dialog's panes and windows show.

inline const QString PreviewCaption = QStringLiteral("Picture:");
inline const QString EmptyPreviewText = QStringLiteral("(None)");
inline const QString PreviewWindowTitle = QStringLiteral("Preview");
inline const QString DeviceViewCaption = QStringLiteral("On the device:");
inline const QString LoadingCaption = QStringLiteral("Loading…");
inline const QString ChosenCountText = QStringLiteral("%1 pictures chosen");
inline const QString SquareSizeCaption = QStringLiteral("Size:");
