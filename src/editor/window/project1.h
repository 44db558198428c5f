// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QApplication;

// What start-up needs from the outside world, replaceable in tests.
struct StartupHooks
{
    std::function<bool()> initCompression;
    // Shows the ownerless "cannot start" box and returns when it is closed.
    std::function<void()> reportInitFailure;
};

// The real hooks: the library check and a real message box.
StartupHooks DefaultStartupHooks();

// Checks the compression library, then shows the window, opens `albumPath`
// there as Load Album would (when given) and runs the event loop. Returns the
// process exit code: 1 when the library is unusable, before any window exists.
int Project1(QApplication &application, const StartupHooks &hooks = DefaultStartupHooks(),
             const QString &albumPath = QString());
