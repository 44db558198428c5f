// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where the main window's frame opens, in logical pixels, as the layout places it.
inline constexpr QPoint MainWindowPosition{282, 135};

// The top left corner for a frame (the window with its title bar and
// borders) at `frame` so that it lies whole in `available`: where it is, moved
// only as far as needed. A frame larger than the area keeps its top left
// corner inside it, so the title bar can still be grabbed.
QPoint PlaceInside(const QRect &frame, const QRect &available);

// Moves `window` to `position`, or as near it as its screen's available area
// allows, then shows it. Before the first show the window manager's frame is
// not known: it is guessed, and the window is placed again once it is known.
void ShowWithinScreen(QWidget &window, QPoint position);
