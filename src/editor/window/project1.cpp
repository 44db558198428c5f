// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/project1.h"

#include "album/compression.h"
#include "editor/translationcontexts.h"
#include "editor/window/unit1.h"
#include "editor/window/windowplacement.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

StartupHooks DefaultStartupHooks()
{
    return {InitCompression, [] {
                // The caption is the design's own, in every language.
                QMessageBox box(QMessageBox::Critical, QStringLiteral("Kalde New"),
                                EditorMessages::tr("Can not init LZO library"), QMessageBox::Ok);
                box.exec();
            }};
}

int Project1(QApplication &application, const StartupHooks &hooks, const QString &albumPath)
{
    // Set first so that even the failure box carries it.
    QApplication::setWindowIcon(ApplicationIcon());
    if (!hooks.initCompression()) {
        hooks.reportInitFailure();
        return 1;
    }
    TForm1 form;
    ShowWithinScreen(form, MainWindowPosition);
    // From the event loop, so the window is drawn before any message box.
    if (!albumPath.isEmpty())
        QTimer::singleShot(0, &form, [&form, albumPath] { form.OpenAlbumFile(albumPath); });
    return application.exec();
}
