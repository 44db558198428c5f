// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/windowplacement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// What a title bar and borders usually take, until the window manager says.
const QMargins FrameGuess(8, 32, 8, 8);

QRect availableArea(const QWidget &window, QPoint position)
{
    const QScreen *screen = QGuiApplication::screenAt(position);
    if (!screen)
        screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint windowPositionFor(const QWidget &window, QPoint position, const QMargins &frame)
{
    const QRect available = availableArea(window, position);
    if (available.isEmpty())
        return position;
    // A window's position is its frame's top left corner.
    return PlaceInside(QRect(position, window.size().grownBy(frame)), available);
}

} // namespace

QPoint PlaceInside(const QRect &frame, const QRect &available)
{
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

void ShowWithinScreen(QWidget &window, QPoint position)
{
    window.move(windowPositionFor(window, position, FrameGuess));
    window.show();
    // From the event loop, once the frame is there: placed again with the
    // frame it really has, so it is moved no further than that needs.
    QTimer::singleShot(0, &window, [&window, position] {
        const QMargins frame(window.geometry().left() - window.frameGeometry().left(),
                             window.geometry().top() - window.frameGeometry().top(),
                             window.frameGeometry().right() - window.geometry().right(),
                             window.frameGeometry().bottom() - window.geometry().bottom());
        const QPoint placed = windowPositionFor(window, position, frame);
        if (placed != window.pos())
            window.move(placed);
    });
}
