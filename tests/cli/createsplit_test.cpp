// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

#include "albumfile/albumfile.h"
#include "messages/albumtexts.h"

#include <QDir>
#include <QFileInfo>

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
// written: it is named, nothing of the run is left (no album, no temporary
// file, no folder it made) and the files already there are untouched.
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
            EXPECT_EQ(run.out, QString());
            EXPECT_EQ(run.err,
                      u"valbum: %1: The file is damaged or incomplete.\nvalbum: nothing was written.\n"_s.arg(broken));
            EXPECT_EQ(entries(), before) << command.first().toStdString() << " --jobs " << jobs;
        }
    }
    EXPECT_EQ(readFileBytes(path(u"set-1.valbum"_s)), QByteArray("an older album"));
    EXPECT_EQ(readFileBytes(path(u"notes.txt"_s)), QByteArray("not ours"));
}

} // namespace

// When an output cannot take its name at the end (here a folder stands
// there), what the run added goes again, but a file it already replaced
// keeps its whole new version rather than vanishing.
TEST_F(StreamedBatch, AFailedRenameNeverLeavesAReplacedFileMissing)
{
    const QString a = savePicture(u"a.png"_s, GradientPicture(20, 20));
    const QString b = savePicture(u"b.png"_s, GradientPicture(30, 20));
    const QString c = savePicture(u"c.png"_s, GradientPicture(20, 30));
    const QString out = path(u"out"_s);
    ASSERT_TRUE(QDir().mkpath(out + u"/c.png/inside"_s));
    writeFileBytes(out + u"/a.png"_s, "an older preview");

    const ProgramRun run = runValbum({u"preview"_s, u"--force"_s, u"--jobs"_s, u"1"_s, out, a, b, c});
    EXPECT_EQ(run.exitCode, 5) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_FALSE(QImage(out + u"/a.png"_s).isNull());
    EXPECT_FALSE(QFileInfo::exists(out + u"/b.png"_s));
    EXPECT_TRUE(QFileInfo(out + u"/c.png/inside"_s).isDir());
    EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{u"a.png"_s, u"c.png"_s}));
}
