// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/compression.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/interruption.h"
#include "cli/valbumtexts.h"
#include "language/spokenlanguage.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    // Before any thread starts, so that only the watch receives the signals.
    const InterruptionWatch interruptions;
    // What the libraries print go through valbum's handler from the start.
    const StrayOutputCapture strayOutput;
    installLibraryMessageHandler();
    // The application object gives the arguments in the locale's encoding and
    // lets the image format plugins (JPEG, GIF, ICO) be found beside the program
    // as well as in Qt's own plugin directory. No display is needed.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("valbum"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VALBUM_VERSION));
    const SpokenLanguage language;

    if (!InitCompression()) {
        printProblem(Valbum::tr("Can not init LZO library"));
        return ExitStatus::Failure;
    }
    return runCommandLine(QCoreApplication::arguments());
}
