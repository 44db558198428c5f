// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/compression.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exitstatus.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The application object gives the arguments in the locale's encoding and
    // lets the image format plugins (JPEG, GIF, ICO) be found beside the program
    // as well as in Qt's own plugin directory. No display is needed.
    QCoreApplication application(argc, argv);
    installLibraryMessageHandler();
    QCoreApplication::setApplicationName(QStringLiteral("valbum"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VALBUM_VERSION));

    if (!InitCompression()) {
        std::fputs("Can not init LZO library\n", stderr);
        return ExitStatus::Failure;
    }
    return runCommandLine(QCoreApplication::arguments());
}
