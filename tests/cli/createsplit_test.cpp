// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

#include "albumfile/albumfile.h"
#include "messages/albumtexts.h"
#include "support/testpictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>

#include <csignal>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class StreamedBatch : public CliTest
{
protected:
    // Everything in the folder, hidden files too: what a run left behind,
    // as one line that a failed check shows readably.
    std::string entries() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .join(u' ')
            .toStdString();
    }
};

// More pictures than the workers may hold ahead, over three albums: each part
// is what the editor saves for its share, and the lines are those of the
// parts in order, whatever the number of jobs. Nothing else is left.
TEST_F(StreamedBatch, SplitAlbumsAndLinesAreTheSameForAnyJobs)
{
    const QStringList pictures = noisyPictures(45);
    QList<QImage> images;
    for (const QString &picture : pictures)
        images.append(editorAlbumImage(path(picture)));
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    for (const char *jobs : {"1", "4"}) {
        const QString set = u"set-j%1"_s.arg(QLatin1String(jobs));
        const ProgramRun run = runValbum(
            QStringList{u"create"_s, u"--split"_s, u"--jobs"_s, QLatin1String(jobs), set + u".valbum"_s} + pictures,
            m_dir.path());
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, QString());

        QString lines;
        QStringList written;
        qsizetype next = 0;
        for (int part = 1; next < pictures.size() && part <= 4; ++part) {
            const QString name = u"%1-%2.valbum"_s.arg(set).arg(part);
            const qsizetype count = qsizetype(ReadAlbumFile(path(name)).records.size());
            ASSERT_GT(count, 0) << name.toStdString();
            EXPECT_EQ(readFileBytes(path(name)), editorSavedBytes(images.mid(next, count)));
            lines += u"%1 (%2 images, %3 bytes)\n"_s.arg(name).arg(count).arg(QFileInfo(path(name)).size());
            for (qsizetype index = 0; index < count; ++index)
                lines += u"%1 %2\n"_s.arg(ImageLabel(int(index)), pictures.at(next + index));
            next += count;
            written.append(name);
        }
        EXPECT_EQ(written.size(), 3);
        EXPECT_EQ(run.out, lines);
        QStringList expected = before + written;
        expected.sort();
        EXPECT_EQ(entries(), expected.join(u' ').toStdString());
        for (const QString &name : written)
            QFile::remove(path(name));
    }
}

// A picture that cannot be read, after several albums or previews have been
// written and their lines printed: it is named, nothing of the run is left
// (no album, no temporary file, no folder it made) and the files already
// there are untouched.
TEST_F(StreamedBatch, DamagedPictureInTheMiddleLeavesNothingBehind)
{
    QStringList pictures = noisyPictures(45);
    const QString broken = path(u"broken.png"_s);
    writeFileBytes(broken, "\x89PNG\r\n\x1a\n but no picture");
    pictures.insert(40, broken);
    writeFileBytes(path(u"set-1.valbum"_s), "an older album");
    writeFileBytes(path(u"notes.txt"_s), "not ours");
    const std::string before = entries();

    for (const char *jobs : {"1", "4"}) {
        for (const QStringList &command : {QStringList{u"create"_s, u"--split"_s, u"--force"_s, u"set.valbum"_s},
                                           QStringList{u"preview"_s, u"previews/deep"_s}}) {
            const ProgramRun run =
                runValbum(command + QStringList{u"--jobs"_s, QLatin1String(jobs)} + pictures, m_dir.path());
            EXPECT_EQ(run.exitCode, 2) << command.first().toStdString();
            EXPECT_EQ(run.err,
                      u"valbum: %1: The file is damaged or incomplete.\nvalbum: nothing was written.\n"_s.arg(broken));
            EXPECT_EQ(entries(), before) << command.first().toStdString() << " --jobs " << jobs;
        }
    }
    EXPECT_EQ(readFileBytes(path(u"set-1.valbum"_s)), QByteArray("an older album"));
    EXPECT_EQ(readFileBytes(path(u"notes.txt"_s)), QByteArray("not ours"));
}

// Each output's line comes out as soon as that output has its name, while
// the run goes on: here the run waits on a FIFO given as a later picture,
// which the test fills only once it has read the first line and found the
// file it names whole.
TEST_F(StreamedBatch, EachLineComesOutOnceItsFileIsThere)
{
    const QString picture = savePicture(u"whole.png"_s, GradientPicture(92, 92));
    const QString fifo = path(u"fifo.png"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct
    {
        QStringList command;
        QString firstLine; // up to the bytes, which depend on the pictures
        QString firstOutput;
    } cases[] = {
        {QStringList{u"create"_s, u"--split"_s, u"set.valbum"_s} + noisyPictures(25) + QStringList{u"fifo.png"_s},
         u"set-1.valbum ("_s, u"set-1.valbum"_s},
        {{u"preview"_s, u"previews"_s, u"noise00.png"_s, u"fifo.png"_s},
         u"noise00.png previews/noise00.png"_s,
         u"previews/noise00.png"_s},
    };
    for (const auto &c : cases) {
        QProcess run;
        run.setWorkingDirectory(m_dir.path());
        run.start(QStringLiteral(VALBUM_PROGRAM), c.command + QStringList{u"--jobs"_s, u"1"_s});
        ASSERT_TRUE(run.waitForStarted());
        while (!run.canReadLine() && run.waitForReadyRead(30'000)) {
        }
        const QString first = QString::fromUtf8(run.readLine()).trimmed();
        EXPECT_TRUE(first.startsWith(c.firstLine)) << first.toStdString() << "\n"
                                                   << run.readAllStandardError().toStdString();
        EXPECT_EQ(run.state(), QProcess::Running);
        const QFileInfo output(path(c.firstOutput));
        EXPECT_TRUE(output.isFile()) << c.firstOutput.toStdString();
        if (c.firstOutput.endsWith(u".valbum"_s)) {
            EXPECT_TRUE(ReadAlbumFile(output.filePath()).whole());
            EXPECT_TRUE(first.endsWith(u", %1 bytes)"_s.arg(output.size()))) << first.toStdString();
        } else {
            EXPECT_FALSE(QImage(output.filePath()).isNull());
        }

        QProcess writer;
        writer.start(u"/bin/sh"_s, {u"-c"_s, u"cat \"$0\" > \"$1\""_s, picture, fifo});
        ASSERT_TRUE(writer.waitForStarted());
        if (!run.waitForFinished(30'000))
            run.kill();
        writer.waitForFinished(1000);
        writer.kill();
        run.waitForFinished();
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
        EXPECT_TRUE(output.exists());
    }
}

// A run that fails after some outputs have their names puts the folder back
// as it was: new files go, replaced ones (through a symbolic link too) come
// back with their bytes and permissions, and no backup or temporary file is
// left. It fails on a folder standing where a later output goes, or on a
// signal while it waits for a picture.
TEST_F(StreamedBatch, AFailedRunPutsEveryFileBack)
{
    const QStringList pictures = noisyPictures(45);
    ASSERT_EQ(runValbum(QStringList{u"create"_s, u"album.valbum"_s} + pictures.mid(0, 5), m_dir.path()).exitCode, 0);
    ASSERT_TRUE(QDir().mkpath(path(u"elsewhere"_s)));
    ASSERT_TRUE(QDir().mkpath(path(u"out/003.png/inside"_s)));
    ASSERT_TRUE(QDir().mkpath(path(u"set-3.valbum"_s)));
    ASSERT_TRUE(QDir().mkpath(path(u"previews/noise02.png"_s)));
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    for (const auto &[name, permissions] :
         {std::pair{u"out/000.png"_s, ownerOnly | QFile::ReadGroup}, std::pair{u"elsewhere/target.png"_s, ownerOnly},
          std::pair{u"set-1.valbum"_s, ownerOnly | QFile::ReadOther},
          std::pair{u"previews/noise00.png"_s, ownerOnly | QFile::ReadGroup | QFile::ReadOther}}) {
        writeFileBytes(path(name), "older " + name.toUtf8());
        ASSERT_TRUE(QFile::setPermissions(path(name), permissions));
    }
    ASSERT_TRUE(QFile::link(u"../elsewhere/target.png"_s, path(u"out/001.png"_s)));
    const QString fifo = path(u"fifo.png"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    // Every entry with what it holds, hidden ones too.
    const auto folder = [this] {
        QStringList lines;
        QDirIterator entry(m_dir.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        while (entry.hasNext()) {
            const QFileInfo info = entry.nextFileInfo();
            QString line = QDir(m_dir.path()).relativeFilePath(info.filePath());
            if (info.isSymLink())
                line += u" -> "_s + info.symLinkTarget();
            else if (info.isFile())
                line += u" %1 %2"_s.arg(int(info.permissions()), 0, 16)
                            .arg(QString::fromLatin1(
                                QCryptographicHash::hash(ReadFileBytes(info.filePath()), QCryptographicHash::Sha256)
                                    .toHex()));
            lines.append(line);
        }
        lines.sort();
        return lines.join(u'\n').toStdString();
    };
    const std::string before = folder();

    const struct
    {
        QStringList command;
        int signal; // sent once the first line is out; 0: the run fails on its own
        int exitCode;
    } cases[] = {
        {{u"extract"_s, u"--force"_s, u"album.valbum"_s, u"out"_s}, 0, 5},
        {QStringList{u"create"_s, u"--split"_s, u"--force"_s, u"--jobs"_s, u"1"_s, u"set.valbum"_s} + pictures, 0, 5},
        {{u"preview"_s, u"--force"_s, u"--jobs"_s, u"1"_s, u"previews"_s, pictures[0], pictures[1], pictures[2]}, 0, 5},
        {QStringList{u"create"_s, u"--split"_s, u"--force"_s, u"--jobs"_s, u"1"_s, u"set.valbum"_s}
             + pictures.mid(0, 25) + QStringList{u"fifo.png"_s},
         SIGTERM, 128 + SIGTERM},
    };
    for (const auto &c : cases) {
        QProcess run;
        run.setWorkingDirectory(m_dir.path());
        run.setChildProcessModifier([] { std::signal(SIGTERM, SIG_DFL); });
        run.start(QStringLiteral(VALBUM_PROGRAM), c.command);
        ASSERT_TRUE(run.waitForStarted());
        if (c.signal != 0) {
            // Once the first output has its name.
            while (!run.canReadLine() && run.waitForReadyRead(30'000)) {
            }
            EXPECT_TRUE(run.canReadLine());
            ::kill(static_cast<pid_t>(run.processId()), c.signal);
        }
        if (!run.waitForFinished(30'000))
            run.kill();
        run.waitForFinished();
        EXPECT_EQ(run.exitCode(), c.exitCode)
            << c.command.first().toStdString() << ": " << run.readAllStandardError().toStdString();
        EXPECT_EQ(folder(), before) << c.command.first().toStdString();
    }
}

} // namespace
