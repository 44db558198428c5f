// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/editorarguments.h"
#include "editor/window/project1.h"
#include "language/spokenlanguage.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Before the application object, which needs a display: --help and
    // --version answer without one, in the user's language, which a core
    // application is enough to speak.
    EditorArguments arguments;
    {
        const QCoreApplication words(argc, argv);
        const SpokenLanguage language;
        arguments = ParseEditorArguments(argc, argv);
        if (arguments.exitStatus) {
            std::fputs(arguments.output.toLocal8Bit().constData(), stdout);
            std::fputs(arguments.problem.toLocal8Bit().constData(), stderr);
            return *arguments.exitStatus;
        }
    }

    QApplication application(argc, argv);
    const SpokenLanguage language;
    // Only the name, never a display name: Qt would append that to every
    // window title, and the caption must read exactly as the window sets it.
    QApplication::setApplicationName(QStringLiteral("valbum-editor"));
    return Project1(application, DefaultStartupHooks(), arguments.albumPath);
}
