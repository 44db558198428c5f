// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

#include "albumfile/albumfile.h"
#include "support/testpictures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtEndian>

#include <zlib.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

class TrustedBatch : public CliTest
{
protected:
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

// Ctrl-C, kill or a closed terminal in the middle of a --split, once the
// first album waits under its temporary name: the run removes what it wrote,
// the album it would have replaced stays, and the status tells the signal.
TEST_F(TrustedBatch, SignalMidSplitLeavesNoTemporaryFile)
{
    QStringList pictures = noisyPictures(30);
    // Slow pictures after the first album keep the run going until the signal.
    const QString slow = savePicture(u"slow.png"_s, NoisyPicture(1200, 1200, 5));
    for (int index = 0; index < 400; ++index)
        pictures.append(slow);
    writeFileBytes(path(u"set-1.valbum"_s), "an older album");
    const QStringList before = entries();

    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        // A signal ignored by whoever started the tests stays ignored (as
        // under nohup): here each must reach valbum.
        process.setChildProcessModifier([] {
            for (const int each : {SIGINT, SIGTERM, SIGHUP})
                std::signal(each, SIG_DFL);
        });
        process.start(QStringLiteral(VALBUM_PROGRAM),
                      QStringList{u"create"_s, u"--split"_s, u"--force"_s, u"--smooth"_s, u"set.valbum"_s} + pictures);
        ASSERT_TRUE(process.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        while (QDir(m_dir.path()).entryList({u".set-1.valbum.*.tmp"_s}, QDir::Files | QDir::Hidden).isEmpty()
               && waited.elapsed() < 30'000 && process.state() == QProcess::Running)
            QThread::msleep(1);
        ASSERT_EQ(process.state(), QProcess::Running) << "the run ended before the signal";
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(30'000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 128 + signal) << process.readAllStandardError().toStdString();
        EXPECT_EQ(entries(), before) << "signal " << signal;
    }
    EXPECT_EQ(readFileBytes(path(u"set-1.valbum"_s)), QByteArray("an older album"));
}

// One damaged picture among good ones: with --skip-unreadable every command
// writes the others, names the damaged one with its reason, counts it, and
// exits with 3; without it, nothing is written (exit 2).
TEST_F(TrustedBatch, SkipUnreadableWritesTheRest)
{
    const QStringList good = noisyPictures(3);
    const QString broken = path(u"broken.png"_s);
    writeFileBytes(broken, "\x89PNG\r\n\x1a\n but no picture");
    const QStringList pictures{good[0], broken, good[1], good[2]};
    QList<QImage> images;
    for (const QString &picture : good)
        images.append(editorAlbumImage(path(picture)));
    const QString skipped = u"valbum: left out: %1: The file is damaged or incomplete.\n"_s
                            u"valbum: 1 picture(s) could not be read and were left out.\n"_s.arg(broken);

    const QList<std::pair<QStringList, QStringList>> cases{
        {{u"create"_s, u"one.valbum"_s}, {u"one.valbum"_s}},
        {{u"create"_s, u"--split"_s, u"set.valbum"_s}, {u"set-1.valbum"_s}},
        {{u"create"_s, u"--best-fit"_s, u"best.valbum"_s}, {u"best.valbum"_s}},
        {{u"preview"_s, u"previews"_s},
         {u"previews/noise00.png"_s, u"previews/noise01.png"_s, u"previews/noise02.png"_s}},
    };
    for (const auto &[command, outputs] : cases) {
        const ProgramRun refused = runValbum(command + pictures, m_dir.path());
        EXPECT_EQ(refused.exitCode, 2) << command.join(u' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(path(outputs.first())));

        const ProgramRun run = runValbum(command + QStringList{u"--skip-unreadable"_s} + pictures, m_dir.path());
        EXPECT_EQ(run.exitCode, 3) << command.join(u' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(run.err, skipped);
        for (const QString &output : outputs)
            EXPECT_TRUE(QFileInfo(path(output)).isFile()) << output.toStdString();
        EXPECT_FALSE(run.out.contains(broken)) << run.out.toStdString();
        for (const QString &picture : good)
            EXPECT_TRUE(run.out.contains(picture)) << run.out.toStdString();
    }
    // The album is the one made of the good pictures alone.
    EXPECT_EQ(readFileBytes(path(u"one.valbum"_s)), editorSavedBytes(images));
    EXPECT_EQ(readFileBytes(path(u"set-1.valbum"_s)), editorSavedBytes(images));
}

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), chunk.data());
    const QByteArray body = QByteArray(type, 4) + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef *>(body.constData()),
                                                     static_cast<uInt>(body.size()))),
                          crc.data());
    return chunk + body + crc;
}

// Every line valbum writes to standard error is its own, whatever the
// picture libraries think of a broken PNG: quiet by default, and with
// --verbose as "valbum: PICTURE: warning: ...". The files are broken the
// ways a PNG test suite breaks them.
TEST_F(TrustedBatch, BrokenPngsGiveOnlyValbumLines)
{
    const QByteArray good = readFileBytes(savePicture(u"good.png"_s, GradientPicture(40, 30)));
    const QByteArray signature = good.left(8);
    const qsizetype idat = good.indexOf("IDAT") - 4;
    const quint32 idatLength = qFromBigEndian<quint32>(good.constData() + idat);
    const QByteArray idatData = good.mid(idat + 8, idatLength);
    const QByteArray header = good.left(idat); // signature and IHDR (and any chunk before IDAT)
    const QByteArray end = pngChunk("IEND", {});
    QByteArray badCrc = good;
    badCrc[idat + 8 + idatLength] = static_cast<char>(badCrc[idat + 8 + idatLength] ^ 0x55);
    QByteArray ihdrData = good.mid(16, 13);
    QByteArray bitDepth3 = ihdrData;
    bitDepth3[8] = 3;
    QByteArray colourType1 = ihdrData;
    colourType1[9] = 1;

    const QList<std::pair<QString, QByteArray>> cases{
        {u"cut_in_idat"_s, good.left(idat + 8 + idatLength / 2)},
        {u"short_image_data"_s, header + pngChunk("IDAT", idatData.left(idatData.size() / 2)) + end},
        {u"idat_crc"_s, badCrc},
        {u"no_idat"_s, header + end},
        {u"bit_depth_3"_s, signature + pngChunk("IHDR", bitDepth3) + good.mid(idat)},
        {u"colour_type_1"_s, signature + pngChunk("IHDR", colourType1) + good.mid(idat)},
        {u"ihdr_crc"_s, good.left(29) + "\0\0\0\0" + good.mid(33)},
        {u"added_cr"_s, signature.left(4) + "\r" + good.mid(4)},
    };
    for (const auto &[name, bytes] : cases) {
        const QString picture = path(name + u".png"_s);
        writeFileBytes(picture, bytes);
        for (const QStringList &options : {QStringList{}, {u"--verbose"_s}, {u"--verbose"_s, u"--jobs=1"_s}}) {
            const ProgramRun run = runValbum(QStringList{u"create"_s, path(u"out.valbum"_s), picture} + options);
            EXPECT_EQ(run.exitCode, 2) << name.toStdString();
            const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
            EXPECT_FALSE(lines.isEmpty());
            for (const QString &line : lines)
                EXPECT_TRUE(line.startsWith(u"valbum: "_s)) << name.toStdString() << ": " << line.toStdString();
            for (const QString &line : lines) {
                if (!line.contains(u"warning: "_s))
                    continue;
                EXPECT_FALSE(options.isEmpty()) << line.toStdString();
                EXPECT_TRUE(line.startsWith(u"valbum: %1: warning: "_s.arg(picture))) << line.toStdString();
            }
        }
    }
}

// With --split, --best-fit makes no more albums than the smallest rendering
// of each picture needs, keeps every picture, and each album's total line
// counts its renderings.
TEST_F(TrustedBatch, BestFitSplitNeedsNoMoreAlbumsThanTheSmallestRenderings)
{
    QStringList pictures = noisyPictures(40);
    for (int index = 0; index < 6; ++index)
        pictures.insert(index * 7, savePicture(u"gradient%1.png"_s.arg(index), GradientPicture(100 + index, 90)));

    // Each picture's smallest record among the renderings best-fit chooses from.
    std::vector<qint64> smallest(static_cast<std::size_t>(pictures.size()), AlbumSizeLimit);
    for (const QString &rendering : {u"none"_s, u"compact"_s, u"floyd-steinberg"_s}) {
        const QString set = path(rendering + u".valbum"_s);
        ASSERT_EQ(
            runValbum(QStringList{u"create"_s, u"--split"_s, u"--dither"_s, rendering, set} + pictures, m_dir.path())
                .exitCode,
            0);
        std::size_t picture = 0;
        for (int part = 1; QFileInfo::exists(path(u"%1-%2.valbum"_s.arg(rendering).arg(part))); ++part) {
            const ProgramRun list =
                runValbum({u"list"_s, u"--json"_s, path(u"%1-%2.valbum"_s.arg(rendering).arg(part))});
            for (const QJsonValue record : QJsonDocument::fromJson(list.out.toUtf8())[u"records"_s].toArray()) {
                smallest[picture] = std::min(smallest[picture], RecordHeaderSize + record[u"size"_s].toInteger());
                ++picture;
            }
        }
        ASSERT_EQ(picture, smallest.size()) << rendering.toStdString();
    }
    int needed = 1;
    qint64 used = AlbumHeaderSize;
    for (const qint64 size : smallest) {
        if (used + size > AlbumSizeLimit) {
            ++needed;
            used = AlbumHeaderSize;
        }
        used += size;
    }

    const ProgramRun run =
        runValbum(QStringList{u"create"_s, u"--best-fit"_s, u"--split"_s, u"best.valbum"_s} + pictures, m_dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QRegularExpression total(
        u"^total: (\\d+) bytes of %1 \\(none (\\d+), compact (\\d+), compact-diffusion (\\d+), floyd-steinberg (\\d+)\\)$"_s
            .arg(AlbumSizeLimit),
        QRegularExpression::MultilineOption);
    int albums = 0;
    qsizetype images = 0;
    for (auto match = total.globalMatch(run.out); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        ++albums;
        const QString album = path(u"best-%1.valbum"_s.arg(albums));
        const AlbumFileContents contents = ReadAlbumFile(album);
        EXPECT_TRUE(contents.whole());
        EXPECT_EQ(found.captured(1).toLongLong(), QFileInfo(album).size());
        EXPECT_EQ(found.captured(2).toInt() + found.captured(3).toInt() + found.captured(4).toInt()
                      + found.captured(5).toInt(),
                  static_cast<qsizetype>(contents.records.size()));
        images += static_cast<qsizetype>(contents.records.size());
    }
    EXPECT_EQ(albums, needed) << run.out.toStdString();
    EXPECT_EQ(images, pictures.size());
    EXPECT_FALSE(QFileInfo::exists(path(u"best-%1.valbum"_s.arg(albums + 1))));
}

} // namespace
