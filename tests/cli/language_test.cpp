// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// valbum in German: its problems are told in German, and what it prints on
// standard output, its output format, stays as it is.

#include "clitestsupport.h"

#include <QProcess>

namespace {

ProgramRun runValbumInGerman(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VALBUM_PROGRAM), arguments);
    ProgramRun run;
    EXPECT_TRUE(process.waitForFinished(60'000));
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

class GermanValbum : public CliTest
{
};

TEST_F(GermanValbum, TellsProblemsInGermanAndPrintsItsResultsAsEver)
{
    writeFileBytes(path(QStringLiteral("notes.txt")), "not an album\n");
    const QString picture = savePicture(QStringLiteral("sky.png"), QImage(92, 92, QImage::Format_RGB32));
    const QString album = path(QStringLiteral("out.valbum"));
    const struct
    {
        const char *name;
        QStringList arguments;
        int exitCode;
        QString out; // what standard output starts with; empty: nothing on it
        QString err;
    } cases[] = {
        {"not an album",
         {QStringLiteral("list"), path(QStringLiteral("notes.txt"))},
         2,
         {},
         QStringLiteral("valbum: %1 ist kein Album.\n").arg(path(QStringLiteral("notes.txt")))},
        {"a wrong password",
         {QStringLiteral("create"), QStringLiteral("--password"), QStringLiteral("12a"), album, picture},
         64,
         {},
         QStringLiteral("valbum: Das Passwort hat bis zu acht Ziffern, nicht „12a“.\n"
                        "valbum: Hilfe: „valbum create --help“.\n")},
        {"an album made", {QStringLiteral("create"), album, picture}, 0, album + QStringLiteral(" (1 image, "), {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = runValbumInGerman(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        if (c.out.isEmpty())
            EXPECT_EQ(run.out.toStdString(), "");
        else
            EXPECT_TRUE(run.out.startsWith(c.out)) << run.out.toStdString();
        EXPECT_EQ(run.err.toStdString(), c.err.toStdString());
    }
}

} // namespace
