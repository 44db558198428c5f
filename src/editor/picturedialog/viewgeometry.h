// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <QRect>
#include <QSize>

// The sizes the picture dialog's views share.

// A picture is never blown up past this, however much room there is.
inline constexpr double MaxEnlargement = 2.0;
inline constexpr int ViewMargin = 4;
// The device view in the pane shows each album pixel as 2 x 2, in the larger window as 4 x 4.
inline constexpr int PaneDeviceScale = 2;
inline constexpr int WindowDeviceScale = 4;
inline constexpr int PaneWidth = PaneDeviceScale * AlbumImageSide + 2 * ViewMargin + 8;
// What a window manager's title bar and borders take, roughly, beyond the window itself.
inline const QSize WindowFrameAllowance(16, 48);

// The side of a device view showing each album pixel as `scale` x `scale`, margins included.
QSize DeviceViewSize(int scale);

// `picture` scaled into `room`, aspect kept, centred.
QRect FittedRect(QSize picture, const QRect &room, double maxScale);
