// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/unreadablepictures.h"

#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/valbumtexts.h"

QCommandLineOption skipUnreadableOption()
{
    return QCommandLineOption(QStringLiteral("skip-unreadable"),
                              Valbum::tr("Leave out the pictures that cannot be read, naming each, and write the "
                                         "rest (exit status 3)."));
}

bool UnreadablePictures::refuse() const
{
    if (!stopRun())
        return false;
    for (const QString &problem : m_problems)
        printProblem(problem);
    printProblem(Valbum::tr("nothing was written."));
    return true;
}

void UnreadablePictures::reportSkipped() const
{
    if (m_problems.isEmpty())
        return;
    for (const QString &problem : m_problems)
        printProblem(Valbum::tr("left out: %1").arg(problem));
    //: "picture(s)" stays as it is in English.
    printProblem(Valbum::tr("%n picture(s) could not be read and were left out.", nullptr, int(m_problems.size())));
}

int UnreadablePictures::exitStatus(int status) const
{
    return status == ExitStatus::Ok && !m_problems.isEmpty() ? ExitStatus::ImagesLeftOut : status;
}
