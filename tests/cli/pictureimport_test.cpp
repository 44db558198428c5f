// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of the types a library of their own reads, and pictures given as
// streams: the same verdict as the editor's Add gives the same file.

#include "clitestsupport.h"

#include "support/testpictures.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

using PictureImport = CliTest;

struct Encoder
{
    QString name;
    QString tool;
    QStringList arguments; // %in and %out stand for the paths
};

const Encoder Encoders[] = {
    {u"photo.heic"_s, u"heif-enc"_s, {u"%in"_s, u"-o"_s, u"%out"_s}},
    {u"photo.avif"_s, u"avifenc"_s, {u"-s"_s, u"10"_s, u"%in"_s, u"%out"_s}},
    {u"photo.webp"_s, u"cwebp"_s, {u"-quiet"_s, u"%in"_s, u"-o"_s, u"%out"_s}},
    {u"photo.tif"_s, u"convert"_s, {u"%in"_s, u"-compress"_s, u"lzw"_s, u"%out"_s}},
};

bool Encode(const Encoder &encoder, const QString &in, const QString &out)
{
    QStringList arguments = encoder.arguments;
    for (QString &argument : arguments)
        argument = argument == "%in"_L1 ? in : argument == "%out"_L1 ? out : argument;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStandardPaths::findExecutable(encoder.tool), arguments);
    return process.waitForFinished(60'000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

TEST_F(PictureImport, EachNewTypeComesInAsTheEditorAddsItAndCutShortIsRefused)
{
    const QString png = savePicture(u"source.png"_s, GradientPicture(320, 240));
    QStringList missing;
    for (const Encoder &encoder : Encoders) {
        SCOPED_TRACE(encoder.name.toStdString());
        if (QStandardPaths::findExecutable(encoder.tool).isEmpty()) {
            missing.append(encoder.tool);
            continue;
        }
        const QString whole = path(encoder.name);
        ASSERT_TRUE(Encode(encoder, png, whole));
        const QString out = path(u"out.valbum"_s);
        const ProgramRun made = runValbum({u"create"_s, u"--force"_s, out, png, whole});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        EXPECT_EQ(readFileBytes(out), editorSavedBytes({editorAlbumImage(png), editorAlbumImage(whole)}));

        const QString cut = path(u"cut-"_s + encoder.name);
        const QByteArray bytes = readFileBytes(whole);
        writeFileBytes(cut, bytes.first(bytes.size() - 1));
        const QString refusedOut = path(u"refused.valbum"_s);
        const ProgramRun refused = runValbum({u"create"_s, refusedOut, png, cut});
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_TRUE(refused.err.contains(u"%1: The file is damaged or incomplete."_s.arg(cut)))
            << refused.err.toStdString();
        EXPECT_FALSE(QFile::exists(refusedOut));
    }
    if (!missing.isEmpty())
        GTEST_SKIP() << "encoders not installed: " << missing.join(u' ').toStdString();
}

#ifdef Q_OS_UNIX
// A stream has no size to check and cannot seek: the picture is read whole
// first, so a FIFO gets the verdict the same bytes get as a regular file.
TEST_F(PictureImport, PicturesThroughAFifoGetAFilesVerdict)
{
    const QString jpeg = savePicture(u"whole.jpg"_s, GradientPicture(320, 240));
    const QString png = savePicture(u"whole.png"_s, GradientPicture(320, 240));
    const QByteArray jpegBytes = readFileBytes(jpeg), pngBytes = readFileBytes(png);
    const struct
    {
        QByteArray bytes;
        int exitCode;
    } cases[] = {{jpegBytes, 0},
                 {pngBytes, 0},
                 {jpegBytes.first(jpegBytes.size() * 2 / 3), 2},
                 {pngBytes.first(pngBytes.size() - 20), 2}};
    for (const auto &c : cases) {
        const QString regular = path(u"regular"_s);
        writeFileBytes(regular, c.bytes);
        const QString fifo = path(u"fifo"_s);
        QFile::remove(fifo);
        ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // The writer fills the FIFO while valbum reads it.
        QProcess writer;
        writer.start(u"/bin/sh"_s, {u"-c"_s, u"cat \"$0\" > \"$1\""_s, regular, fifo});
        ASSERT_TRUE(writer.waitForStarted());
        const ProgramRun streamed = runValbum({u"create"_s, u"--force"_s, path(u"fifo.valbum"_s), fifo});
        writer.waitForFinished();
        const ProgramRun file = runValbum({u"create"_s, u"--force"_s, path(u"file.valbum"_s), regular});
        EXPECT_EQ(streamed.exitCode, c.exitCode) << streamed.err.toStdString();
        EXPECT_EQ(file.exitCode, c.exitCode) << file.err.toStdString();
        if (c.exitCode == 0)
            EXPECT_EQ(readFileBytes(path(u"fifo.valbum"_s)), readFileBytes(path(u"file.valbum"_s)));
        else
            EXPECT_TRUE(streamed.err.contains(u"The file is damaged or incomplete."_s)) << streamed.err.toStdString();
    }
}
#endif

} // namespace
