// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

#include "albumfile/albumfile.h"
#include "messages/picturetexts.h"
#include "picture/picturefile.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/qtconversion.h"
#include "support/jpegfiles.h"
#include "support/readpictures.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

using namespace Qt::StringLiterals;

namespace {

using CreateCommand = CliTest;

TEST_F(CreateCommand, WritesWhatTheEditorSavesForEveryPictureFormat)
{
    const QStringList pictures{savePicture(u"a.bmp"_s, GradientPicture(300, 200)),
                               savePicture(u"b.png"_s, NoisyPicture(40, 60, 7)),
                               savePicture(u"c.jpg"_s, GradientPicture(640, 480)), saveGif(u"d.gif"_s),
                               savePicture(u"e.ico"_s, NoisyPicture(32, 32, 9))};
    QList<QImage> expected;
    for (const QString &picture : pictures) {
        expected.append(editorAlbumImage(picture));
        // A picture the reader failed on would come out as a white square.
        EXPECT_NE(expected.constLast().pixel(0, 0), qRgb(255, 255, 255)) << picture.toStdString();
    }
    const QString out = path(u"out.valbum"_s);
    const ProgramRun run = runValbum(QStringList{u"create"_s, out, u"--password"_s, u"12345678"_s} + pictures);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readFileBytes(out), editorSavedBytes(expected, u"12345678"_s));
    EXPECT_TRUE(run.out.contains(u"\n000 %1\n"_s.arg(pictures[0]))
                && run.out.contains(u"\n004 %1\n"_s.arg(pictures[4])))
        << run.out.toStdString();
}

TEST_F(CreateCommand, RefusalsLeaveTheExistingAlbumAlone)
{
    const QString picture = savePicture(u"p.png"_s, GradientPicture(20, 20));
    const QString broken = path(u"broken.png"_s);
    writeFileBytes(broken, "\x89PNG\r\n\x1a\n but no picture");
    const QString out = path(u"out.valbum"_s);
    writeFileBytes(out, "an older album");

    const ProgramRun unforced = runValbum({u"create"_s, out, picture});
    EXPECT_EQ(unforced.exitCode, 4);
    EXPECT_TRUE(unforced.err.contains(u"--force"_s)) << unforced.err.toStdString();
    for (const char *password : {"123456789", "12a", "-1", "0x10"})
        EXPECT_EQ(
            runValbum({u"create"_s, u"--force"_s, u"--password"_s, QLatin1String(password), out, picture}).exitCode,
            64);
    const ProgramRun unreadable = runValbum({u"create"_s, u"--force"_s, out, picture, broken});
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_TRUE(unreadable.err.contains(u"%1: %2"_s.arg(broken, PictureProblemText(ReadPictureAt(broken).problem))))
        << unreadable.err.toStdString();
    EXPECT_EQ(readFileBytes(out), QByteArray("an older album"));

    // A zero-byte picture is refused, not taken as a white square.
    const QString empty = path(u"empty.jpg"_s);
    writeFileBytes(empty, {});
    const ProgramRun refusedEmpty = runValbum({u"create"_s, u"--force"_s, out, picture, empty});
    EXPECT_EQ(refusedEmpty.exitCode, 2);
    EXPECT_TRUE(refusedEmpty.err.contains(u"%1: The file is empty."_s.arg(empty))) << refusedEmpty.err.toStdString();
    EXPECT_EQ(readFileBytes(out), QByteArray("an older album"));

    const ProgramRun one = runValbum({u"create"_s, u"--force"_s, out, picture});
    EXPECT_TRUE(one.out.startsWith(u"%1 (1 image, "_s.arg(out))) << one.out.toStdString();

    EXPECT_EQ(runValbum({u"create"_s, u"--force"_s, u"--password="_s, out, picture}).exitCode, 0);
    EXPECT_EQ(readFileBytes(out), editorSavedBytes({editorAlbumImage(picture)}));
}

TEST_F(CreateCommand, PicturesPastTheLimitAreLeftOutAndNamed)
{
    const QStringList pictures = noisyPictures(24);
    const ProgramRun run = runValbum(QStringList{u"create"_s, u"full.valbum"_s} + pictures, m_dir.path());
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    const qsizetype kept = qsizetype(ReadAlbumFile(path(u"full.valbum"_s)).records.size());
    ASSERT_GT(kept, 15);
    ASSERT_LT(kept, 24);
    EXPECT_LE(QFileInfo(path(u"full.valbum"_s)).size(), AlbumSizeLimit);
    for (qsizetype index = 0; index < 24; ++index) {
        EXPECT_EQ(run.err.contains(u"left out: %1\n"_s.arg(pictures[index])), index >= kept) << index;
        EXPECT_EQ(run.out.contains(u" %1\n"_s.arg(pictures[index])), index < kept) << index;
    }
}

TEST_F(CreateCommand, SplitWritesAlbumsThatTogetherHoldEveryPicture)
{
    const QStringList pictures = noisyPictures(24);
    QList<QImage> expected;
    for (const QString &picture : pictures)
        expected.append(editorAlbumImage(path(picture)));

    // Every name is checked before anything is written.
    writeFileBytes(path(u"set-2.valbum"_s), "an older album");
    const QStringList arguments =
        QStringList{u"create"_s, u"--split"_s, u"--password=42"_s, u"set.valbum"_s} + pictures;
    EXPECT_EQ(runValbum(arguments, m_dir.path()).exitCode, 4);
    EXPECT_FALSE(QFileInfo::exists(path(u"set-1.valbum"_s)));
    EXPECT_EQ(readFileBytes(path(u"set-2.valbum"_s)), QByteArray("an older album"));

    const ProgramRun run = runValbum(arguments + QStringList{u"--force"_s}, m_dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(u"set-3.valbum"_s)));
    qsizetype next = 0;
    for (const QString &name : {u"set-1.valbum"_s, u"set-2.valbum"_s}) {
        EXPECT_LE(QFileInfo(path(name)).size(), AlbumSizeLimit);
        const AlbumFileContents part = ReadAlbumFile(path(name));
        ASSERT_TRUE(part.whole() && !part.records.empty()) << name.toStdString();
        // Each part is what the editor saves for its share of the pictures.
        EXPECT_EQ(readFileBytes(path(name)),
                  editorSavedBytes(expected.mid(next, qsizetype(part.records.size())), u"42"_s));
        next += qsizetype(part.records.size());
    }
    EXPECT_EQ(next, 24);
    // The first part was filled before the second was begun.
    EXPECT_GT(QFileInfo(path(u"set-1.valbum"_s)).size() + 4300, AlbumSizeLimit);
}

TEST_F(CreateCommand, PreviewWritesWhatTheDeviceShows)
{
    const QStringList pictures{savePicture(u"photo.jpg"_s, GradientPicture(640, 480)),
                               savePicture(u"icon.ico"_s, NoisyPicture(48, 48, 4)), saveGif(u"logo.gif"_s)};
    const ProgramRun run = runValbum(QStringList{u"preview"_s, path(u"previews"_s)} + pictures);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const QString &picture : pictures) {
        const QString preview = path(u"previews/%1.png"_s.arg(QFileInfo(picture).completeBaseName()));
        EXPECT_TRUE(samePixels(QImage(preview), DeviceViewOf(editorAlbumImage(picture)))) << preview.toStdString();
    }
}

TEST_F(CreateCommand, DamagedPictureWritesNothing)
{
    const QString good = savePicture(u"good.png"_s, GradientPicture(20, 20));
    const QString cut = savePicture(u"cut.jpg"_s, GradientPicture(640, 480));
    writeFileBytes(cut, readFileBytes(cut).chopped(600));
    for (const QString &command : {u"create"_s, u"preview"_s}) {
        const QString out = path(u"out-%1"_s.arg(command));
        const ProgramRun run = runValbum({command, out, good, cut});
        EXPECT_EQ(run.exitCode, 2) << command.toStdString();
        EXPECT_TRUE(run.err.contains(u"%1: The file is damaged or incomplete.\n"_s.arg(cut))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << command.toStdString();
    }
}

TEST_F(CreateCommand, JpegWithStrayBytesComesInAndLosslessIsNamed)
{
    const QString photo = savePicture(u"photo.jpg"_s, GradientPicture(640, 480));
    const QByteArray jpeg = readFileBytes(photo);
    const QString padded = path(u"padded.jpg"_s);
    writeFileBytes(padded, jpeg.chopped(2) + QByteArray(8, '\0') + jpeg.right(2));
    const QString lossless = path(u"lossless.jpg"_s);
    writeFileBytes(lossless, LosslessJpeg());

    const ProgramRun accepted = runValbum({u"preview"_s, path(u"previews"_s), photo, padded});
    ASSERT_EQ(accepted.exitCode, 0) << accepted.err.toStdString();
    EXPECT_TRUE(samePixels(QImage(path(u"previews/padded.png"_s)), QImage(path(u"previews/photo.png"_s))));

    const ProgramRun refused = runValbum({u"preview"_s, path(u"refused"_s), lossless});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(u"%1: Lossless JPEG is not supported.\n"_s.arg(lossless)))
        << refused.err.toStdString();
    // The image reader never sees it, so says nothing of its own.
    EXPECT_FALSE(refused.err.contains(u"qt.gui.imageio"_s)) << refused.err.toStdString();
}

TEST(CommandLine, HelpAndUsageErrors)
{
    EXPECT_EQ(runValbum({}).exitCode, 64);
    EXPECT_EQ(runValbum({u"list"_s, u"--jsn"_s, u"a.valbum"_s}).exitCode, 64);
    EXPECT_EQ(runValbum({u"extract"_s, u"a.valbum"_s, u"out"_s, u"--format=gif"_s}).exitCode, 64);
    EXPECT_TRUE(runValbum({u"append"_s, u"--help"_s}).out.startsWith(u"Usage: valbum append "_s));
}

} // namespace

namespace {

using ParallelImport = CliTest;

// Pictures brought in by several workers give the same albums, lines and
// messages as one at a time, including a damaged picture in the middle.
TEST_F(ParallelImport, AnyNumberOfJobsGivesTheSameOutput)
{
    QStringList pictures = noisyPictures(23);
    pictures.append(savePicture(u"smooth.png"_s, GradientPicture(300, 200)));
    const QString broken = path(u"broken.png"_s);
    writeFileBytes(broken, "\x89PNG\r\n\x1a\n but no picture");
    QStringList withBroken = pictures;
    withBroken.insert(11, broken);

    QList<QByteArray> albums;
    QStringList outputs;
    for (const char *jobs : {"1", "4"}) {
        const QString set = path(u"set-j%1.valbum"_s.arg(QLatin1String(jobs)));
        const ProgramRun split = runValbum(
            QStringList{u"create"_s, u"--split"_s, u"--jobs"_s, QLatin1String(jobs), set} + pictures, m_dir.path());
        ASSERT_EQ(split.exitCode, 0) << split.err.toStdString();
        outputs.append(QString(split.out).replace(u"-j%1"_s.arg(QLatin1String(jobs)), QString()));
        albums.append(readFileBytes(path(u"set-j%1-1.valbum"_s.arg(QLatin1String(jobs))))
                      + readFileBytes(path(u"set-j%1-2.valbum"_s.arg(QLatin1String(jobs)))));

        const ProgramRun damaged =
            runValbum(QStringList{u"create"_s, u"--jobs"_s, QLatin1String(jobs), path(u"no.valbum"_s)} + withBroken,
                      m_dir.path());
        EXPECT_EQ(damaged.exitCode, 2);
        outputs.append(damaged.err);
    }
    EXPECT_EQ(albums[0], albums[1]);
    EXPECT_FALSE(albums[0].isEmpty());
    EXPECT_EQ(outputs[0], outputs[2]);
    EXPECT_EQ(outputs[1], outputs[3]);
    EXPECT_TRUE(outputs[1].contains(broken)) << outputs[1].toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(u"no.valbum"_s)));

    for (const char *jobs : {"0", "x", "65"})
        EXPECT_EQ(runValbum({u"create"_s, u"--jobs"_s, QLatin1String(jobs), path(u"no.valbum"_s), broken}).exitCode,
                  64);
}

} // namespace

// A PNG whose colour profile chunk is too short to be one: libpng warns, the
// picture is whole. valbum keeps the library's line to itself unless asked.
TEST_F(CreateCommand, LibraryWarningsOnlyWithVerboseAndInValbumsOwnWords)
{
    const QByteArray header = QByteArray::fromHex("89504e470d0a1a0a");
    const auto chunk = [](const QByteArray &type, const QByteArray &data) {
        QByteArray bytes(4, '\0');
        qToBigEndian<quint32>(static_cast<quint32>(data.size()), bytes.data());
        bytes += type + data;
        QByteArray crc(4, '\0');
        qToBigEndian<quint32>(static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData() + 4),
                                                         static_cast<uInt>(bytes.size() - 4))),
                              crc.data());
        return bytes + crc;
    };
    QByteArray rows;
    for (int y = 0; y < 8; ++y)
        rows += QByteArray(1, '\0') + QByteArray(8 * 3, '\x80');
    const QString picture = path(u"profile.png"_s);
    writeFileBytes(picture, header + chunk("IHDR", QByteArray::fromHex("00000008000000080802000000"))
                                + chunk("iCCP", QByteArray("bogus\0\0", 7) + qCompress(QByteArray(200, 'x')).mid(4))
                                + chunk("IDAT", qCompress(rows).mid(4)) + chunk("IEND", {}));

    const ProgramRun quiet = runValbum({u"preview"_s, path(u"out"_s), picture});
    EXPECT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
    EXPECT_TRUE(quiet.err.isEmpty()) << quiet.err.toStdString();

    const ProgramRun verbose = runValbum({u"preview"_s, u"--force"_s, u"--verbose"_s, path(u"out"_s), picture});
    EXPECT_EQ(verbose.exitCode, 0);
    EXPECT_TRUE(verbose.err.startsWith(u"valbum: %1: warning: iCCP"_s.arg(picture))) << verbose.err.toStdString();
    for (const QString &line : verbose.err.split(u'\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(line.startsWith(u"valbum: "_s)) << line.toStdString();
}
