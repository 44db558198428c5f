// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The progress line of long runs: on a terminal only, never in a pipe or a
// log, and not with --quiet.

#include "clitestsupport.h"

#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace {

class Progress : public CliTest
{
protected:
    // Runs valbum on a pseudo-terminal, as `script` gives it one: standard
    // output and standard error both go to it, and come back here as one.
    QByteArray onTerminal(const QStringList &arguments)
    {
        QStringList quoted{QStringLiteral(VALBUM_PROGRAM)};
        for (const QString &argument : arguments)
            quoted.append(QLatin1Char('\'') + argument + QLatin1Char('\''));
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(m_script, {QStringLiteral("-qefc"), quoted.join(QLatin1Char(' ')), QStringLiteral("/dev/null")});
        EXPECT_TRUE(process.waitForFinished(60'000));
        return process.readAllStandardOutput();
    }

    QString m_script = QStandardPaths::findExecutable(QStringLiteral("script"));
};

struct Command
{
    const char *name;
    QStringList arguments;
    QByteArray lastProgress; // the line drawn once the work is all done
    QByteArray resultLine;   // a line of the run's own
};

} // namespace

TEST_F(Progress, ShownOnATerminalOnlyAndErasedBeforeEachResult)
{
    if (m_script.isEmpty())
        GTEST_SKIP() << "script is not installed";
    const QStringList pictures = noisyPictures(24);
    ASSERT_EQ(runValbum(QStringList{QStringLiteral("create"), QStringLiteral("--split"), QStringLiteral("a.valbum")}
                            + pictures,
                        m_dir.path())
                  .exitCode,
              0);
    ASSERT_EQ(
        runValbum({QStringLiteral("create"), QStringLiteral("b.valbum"), pictures.at(0), pictures.at(1)}, m_dir.path())
            .exitCode,
        0);
    // append adds to b.valbum: each run starts from the same one.
    const QByteArray target = readFileBytes(path(QStringLiteral("b.valbum")));
    const auto fresh = [&] { writeFileBytes(path(QStringLiteral("b.valbum")), target); };
    const QStringList force{QStringLiteral("--force")};
    const Command commands[] = {
        {"create", QStringList{QStringLiteral("create"), QStringLiteral("c.valbum")} + force + pictures,
         "24/24 pictures read", "c.valbum ("},
        {"create --split",
         QStringList{QStringLiteral("create"), QStringLiteral("--split"), QStringLiteral("s.valbum")} + force
             + pictures,
         "24/24 pictures read", "s-2.valbum ("},
        {"create --best-fit",
         QStringList{QStringLiteral("create"), QStringLiteral("--best-fit"), QStringLiteral("f.valbum")} + force
             + pictures.mid(0, 12),
         "12/12 pictures rendered", "total: "},
        {"preview", QStringList{QStringLiteral("preview"), QStringLiteral("shown")} + force + pictures,
         "24/24 pictures read", "noise23.png shown/noise23.png"},
        {"extract",
         {QStringLiteral("extract"), QStringLiteral("a-1.valbum"), QStringLiteral("out"), QStringLiteral("--force")},
         " images written",
         "out/000.png"},
        {"append",
         {QStringLiteral("append"), QStringLiteral("b.valbum"), QStringLiteral("a-2.valbum")},
         " images recompressed",
         "b.valbum ("},
    };
    const QByteArray erase = "\r\x1b[K";
    for (const Command &command : commands) {
        SCOPED_TRACE(command.name);
        // In a pipe, as in a log: not a byte of it.
        fresh();
        const ProgramRun piped = runValbum(command.arguments, m_dir.path());
        EXPECT_FALSE(piped.err.contains(QLatin1Char('\r')));
        EXPECT_FALSE(piped.err.contains(QLatin1Char('\x1b')));

        fresh();
        const QByteArray shown = onTerminal(command.arguments);
        const qsizetype last = shown.lastIndexOf(command.lastProgress);
        ASSERT_GE(last, 0) << shown.toStdString();
        // Drawn over the line's start: nothing but "done/total" between.
        const qsizetype drawn = shown.lastIndexOf(erase, last);
        ASSERT_GE(drawn, 0);
        for (const char digit : shown.mid(drawn + erase.size(), last - drawn - erase.size()))
            EXPECT_TRUE((digit >= '0' && digit <= '9') || digit == '/');
        // Erased at the end.
        const qsizetype cleared = shown.indexOf(erase, last);
        ASSERT_GT(cleared, last);
        // The run's own lines come out as its outputs are written, while the
        // progress goes on: each as in a pipe and in its order, and on a line
        // of its own, the progress line erased before it.
        EXPECT_GE(shown.indexOf(command.resultLine), 0) << shown.toStdString();
        qsizetype from = 0;
        for (const QString &line : piped.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype at = shown.indexOf(line.toUtf8() + "\r\n", from);
            ASSERT_GE(at, 0) << line.toStdString() << "\n" << shown.toStdString();
            EXPECT_TRUE(at == 0 || shown.at(at - 1) == '\n' || shown.mid(at - erase.size(), erase.size()) == erase)
                << shown.mid(std::max<qsizetype>(0, at - 40), 40 + line.size()).toStdString();
            from = at + line.size();
        }

        fresh();
        const QByteArray quiet = onTerminal(command.arguments + QStringList{QStringLiteral("--quiet")});
        EXPECT_FALSE(quiet.contains('\x1b')) << quiet.toStdString();
        EXPECT_TRUE(quiet.contains(command.resultLine));
    }
}
