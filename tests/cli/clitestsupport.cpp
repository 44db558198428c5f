// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

#include "messages/picturetexts.h"
#include "picture/picturefile.h"
#include "picture/qtconversion.h"
#include "support/testalbums.h"

#include <QFileInfo>
#include <QProcess>

ProgramRun runValbum(const QStringList &arguments, const QString &workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(VALBUM_PROGRAM), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "valbum " << arguments.join(' ').toStdString() << ": " << process.errorString().toStdString();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray readFileBytes(const QString &path)
{
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    return ReadFileBytes(path);
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    EXPECT_TRUE(WriteFileBytes(path, bytes)) << path.toStdString();
}

QImage editorAlbumImage(const QString &picturePath)
{
    const PictureFileContents loaded = ReadPictureFile(picturePath);
    EXPECT_TRUE(loaded.ok) << picturePath.toStdString() << ": " << PictureProblemText(loaded.problem).toStdString();
    return ScaleToAlbumImage(loaded.picture);
}

QByteArray editorSavedBytes(const QList<QImage> &images, const QString &passwordText)
{
    const AlbumWriteResult encoded = EncodeAlbum(images, passwordText);
    EXPECT_TRUE(encoded.ok);
    return AsByteArray(encoded.bytes);
}

bool samePixels(const QImage &actual, const QImage &expected)
{
    return !actual.isNull()
           && actual.convertToFormat(QImage::Format_RGB32) == expected.convertToFormat(QImage::Format_RGB32);
}

QString CliTest::savePicture(const QString &name, const QImage &picture)
{
    EXPECT_TRUE(picture.save(path(name), nullptr, 95)) << name.toStdString();
    return path(name);
}

QString CliTest::saveGif(const QString &name)
{
    // 4 x 2 pixels, black to white along the first row and back along the second.
    writeFileBytes(path(name), QByteArray("GIF89a\x04\x00\x02\x00\x81\x00\x00"
                                          "\x00\x00\x00\x55\x55\x55\xaa\xaa\xaa\xff\xff\xff"
                                          "\x2c\x00\x00\x00\x00\x04\x00\x02\x00\x00"
                                          "\x02\x07\x04\x43\x71\x1c\xc5\x10\x05\x00\x3b",
                                          46));
    return path(name);
}

QStringList CliTest::noisyPictures(int count)
{
    QStringList names;
    for (int index = 0; index < count; ++index) {
        names.append(QStringLiteral("noise%1.png").arg(index, 2, 10, QLatin1Char('0')));
        savePicture(names.constLast(), NoisyPicture(92, 92, static_cast<std::uint32_t>(index) + 1));
    }
    return names;
}
