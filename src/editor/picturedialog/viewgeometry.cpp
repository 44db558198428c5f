// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/viewgeometry.h"

#include <algorithm>
#include <cmath>

QSize DeviceViewSize(int scale)
{
    const int side = scale * AlbumImageSide + 2 * ViewMargin;
    return {side, side};
}

QRect FittedRect(QSize picture, const QRect &room, double maxScale)
{
    if (picture.isEmpty() || room.isEmpty())
        return {};
    const double scale =
        std::min({double(room.width()) / picture.width(), double(room.height()) / picture.height(), maxScale});
    const QSize size(std::max(1, int(std::lround(picture.width() * scale))),
                     std::max(1, int(std::lround(picture.height() * scale))));
    return QRect(room.topLeft() + QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2), size);
}
