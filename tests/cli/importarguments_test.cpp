// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

#include "album/albumformat.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

using ImportArguments = CliTest;

TEST_F(ImportArguments, PreviewShowsExactlyWhatTheAlbumHolds)
{
    const QStringList pictures{savePicture(u"photo.jpg"_s, GradientPicture(640, 480)),
                               savePicture(u"tall.png"_s, NoisyPicture(50, 130, 3))};
    const QList<QStringList> optionSets{
        {},
        {u"--smooth"_s, u"--fit"_s, u"pad"_s},
        {u"--fit"_s, u"crop"_s, u"--smooth"_s, u"--dither"_s, u"atkinson"_s, u"--brightness"_s, u"15"_s},
        {u"--dither"_s, u"ordered"_s, u"--contrast"_s, u"-20"_s},
        {u"--dither=floyd-steinberg"_s, u"--brightness=-100"_s, u"--contrast=100"_s},
        {u"--smooth"_s, u"--dither"_s, u"compact"_s, u"--brightness"_s, u"10"_s},
        {u"--smooth"_s, u"--dither=compact-diffusion"_s, u"--contrast"_s, u"-15"_s},
        {u"--fit=crop"_s, u"--gravity=northwest"_s, u"--rotate=90"_s, u"--smooth"_s},
    };
    int run = 0;
    for (const QStringList &options : optionSets) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const QString previews = path(u"preview%1"_s.arg(run));
        const QString album = path(u"album%1.valbum"_s.arg(run));
        const QString extracted = path(u"extracted%1"_s.arg(run++));
        ASSERT_EQ(runValbum(QStringList{u"preview"_s, previews} + options + pictures).exitCode, 0);
        ASSERT_EQ(runValbum(QStringList{u"create"_s, album} + options + pictures).exitCode, 0);
        ASSERT_EQ(runValbum({u"extract"_s, album, extracted}).exitCode, 0);
        for (int index = 0; index < pictures.size(); ++index) {
            const QImage preview(QDir(previews).filePath(QFileInfo(pictures[index]).completeBaseName() + u".png"_s));
            const QImage stored(QDir(extracted).filePath(u"%1.png"_s.arg(index, 3, 10, QLatin1Char('0'))));
            EXPECT_TRUE(samePixels(preview, stored)) << pictures[index].toStdString();
        }
    }
}

TEST_F(ImportArguments, ExplicitDefaultsWriteTheSameAlbum)
{
    const QStringList pictures{savePicture(u"a.jpg"_s, GradientPicture(300, 200)),
                               savePicture(u"b.png"_s, NoisyPicture(40, 60, 7))};
    const QString plain = path(u"plain.valbum"_s);
    const QString explicitDefaults = path(u"defaults.valbum"_s);
    ASSERT_EQ(runValbum(QStringList{u"create"_s, plain} + pictures).exitCode, 0);
    ASSERT_EQ(runValbum(QStringList{u"create"_s, explicitDefaults, u"--fit"_s, u"stretch"_s, u"--dither"_s, u"none"_s,
                                    u"--brightness"_s, u"0"_s, u"--contrast"_s, u"0"_s, u"--gravity"_s, u"center"_s}
                        + pictures)
                  .exitCode,
              0);
    EXPECT_EQ(readFileBytes(explicitDefaults), readFileBytes(plain));
    QList<QImage> images;
    for (const QString &picture : pictures)
        images.append(editorAlbumImage(picture));
    EXPECT_EQ(readFileBytes(plain), editorSavedBytes(images));

    // Albums of the renderings there were before compact and --best-fit, by
    // the SHA-256 of the bytes the program wrote then: a new rendering must
    // not move an old one. Smoothing is whole-number arithmetic of our own,
    // the same on every processor; its albums were first written by it.
    const QStringList more{savePicture(u"c.png"_s, GradientPicture(300, 200)),
                           savePicture(u"d.png"_s, NoisyPicture(120, 70, 11))};
    const QList<std::pair<QStringList, const char *>> known{
        {{}, "4054f0889d83ee7f7586d3142cb41c67a36a1eb10c0f1f904387d57dbdf6a556"},
        {{u"--dither=ordered"_s}, "c90051c4db003206dbec43dadd3e85d9eb372235112557ed87ea74382fe4ed85"},
        {{u"--dither=floyd-steinberg"_s, u"--brightness=20"_s},
         "4fb8a8995955169c4890dc666acda4dd7d531c62b2910bdca573022d975d7392"},
        {{u"--fit=crop"_s, u"--dither=atkinson"_s, u"--contrast=30"_s},
         "3ec5015aa9ac6114e637bc1a85bf43239dae084b118290c5aefea93546da1154"},
        {{u"--smooth"_s}, "1c6df39e9bcd0ce1d51b9507753addcbaa9d95e04e94ac728b86aaf45f015f80"},
        {{u"--smooth"_s, u"--fit=pad"_s, u"--dither=compact-diffusion"_s},
         "5e8805e84661195d0d269f2be3fe3aa03842829d0a16a935baa4b84089d67f78"},
    };
    for (const auto &[options, sha256] : known) {
        const QString album = path(u"known.valbum"_s);
        ASSERT_EQ(runValbum(QStringList{u"create"_s, u"--force"_s, album} + options + more).exitCode, 0);
        EXPECT_EQ(QCryptographicHash::hash(readFileBytes(album), QCryptographicHash::Sha256).toHex().toStdString(),
                  sha256)
            << options.join(' ').toStdString();
    }
}

TEST_F(ImportArguments, GravityAndRotateChooseWhatTheSquareShows)
{
    // Black, white, black in thirds across; black above white.
    QImage bands(276, 92, QImage::Format_RGB32);
    bands.fill(Qt::white);
    QImage halves(92, 92, QImage::Format_RGB32);
    halves.fill(Qt::white);
    for (int y = 0; y < 92; ++y) {
        for (int x = 0; x < 92; ++x) {
            bands.setPixel(x, y, qRgb(0, 0, 0));
            bands.setPixel(184 + x, y, qRgb(0, 0, 0));
            if (y < 46)
                halves.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    const QString bandsPath = savePicture(u"bands.png"_s, bands);
    const QString halvesPath = savePicture(u"halves.png"_s, halves);
    struct Case
    {
        QStringList options;
        QString picture;
        QPoint black;
        QPoint white;
    };
    const QList<Case> cases{
        {{u"--fit=crop"_s}, bandsPath, {}, {46, 46}},
        {{u"--fit=crop"_s, u"--gravity=west"_s}, bandsPath, {46, 46}, {}},
        {{u"--fit=crop"_s, u"--gravity=southeast"_s}, bandsPath, {46, 46}, {}},
        {{u"--fit=pad"_s, u"--gravity=north"_s}, bandsPath, {2, 3}, {2, 80}},
        {{u"--fit=pad"_s, u"--gravity=south"_s}, bandsPath, {2, 88}, {2, 10}},
        {{u"--rotate=90"_s}, halvesPath, {80, 46}, {10, 46}},
        {{u"--rotate=180"_s}, halvesPath, {46, 80}, {46, 10}},
        {{u"--rotate=270"_s}, halvesPath, {10, 46}, {80, 46}},
    };
    int run = 0;
    for (const Case &check : cases) {
        SCOPED_TRACE(check.options.join(' ').toStdString());
        const QString previews = path(u"previews%1"_s.arg(run++));
        ASSERT_EQ(runValbum(QStringList{u"preview"_s, previews} + check.options + QStringList{check.picture}).exitCode,
                  0);
        const QImage shown(QDir(previews).filePath(QFileInfo(check.picture).completeBaseName() + u".png"_s));
        ASSERT_EQ(shown.size(), QSize(92, 92));
        if (!check.black.isNull()) {
            EXPECT_EQ(qGray(shown.pixel(check.black)), 0);
        }
        if (!check.white.isNull()) {
            EXPECT_EQ(qGray(shown.pixel(check.white)), 255);
        }
    }
}

TEST_F(ImportArguments, BadValuesAreUsageErrorsAndWriteNothing)
{
    const QString picture = savePicture(u"p.png"_s, GradientPicture(20, 20));
    const QList<QStringList> badOptions{
        {u"--fit"_s, u"squash"_s},
        {u"--dither"_s, u"bayer"_s},
        {u"--brightness"_s, u"101"_s},
        {u"--brightness"_s, u"bright"_s},
        {u"--contrast"_s, u"-101"_s},
        {u"--contrast"_s, u"1.5"_s},
        {u"--dither="_s},
        {u"--fit=Crop"_s},
        {u"--gravity"_s, u"up"_s},
        {u"--rotate"_s, u"45"_s},
        {u"--rotate=-90"_s},
    };
    for (const QString &command : {u"create"_s, u"preview"_s}) {
        const QString out = path(command == u"create"_s ? u"out.valbum"_s : u"previews"_s);
        for (const QStringList &options : badOptions) {
            const ProgramRun run = runValbum(QStringList{command, out} + options + QStringList{picture});
            EXPECT_EQ(run.exitCode, 64) << command.toStdString() << " " << options.join(' ').toStdString();
            EXPECT_TRUE(run.err.contains(u"valbum %1 --help"_s.arg(command))) << run.err.toStdString();
        }
        // A value-taking option with nothing after it.
        EXPECT_EQ(runValbum({command, out, picture, u"--contrast"_s}).exitCode, 64);
        EXPECT_FALSE(QFileInfo::exists(out)) << out.toStdString();
    }
}

} // namespace

TEST_F(ImportArguments, BestFitFillsOneAlbumTheSameWhateverTheJobs)
{
    // Noise fills an album whatever its greys; gradients take the finest.
    QStringList pictures = noisyPictures(48);
    for (int index = 0; index < 4; ++index)
        pictures.insert(index * 3, savePicture(u"gradient%1.png"_s.arg(index), GradientPicture(100 + index, 90)));
    for (QString &picture : pictures)
        picture = path(QFileInfo(picture).fileName());

    const QStringList options{u"create"_s, u"--best-fit"_s, u"--smooth"_s, u"--contrast"_s, u"10"_s};
    const ProgramRun one = runValbum(options + QStringList{u"--jobs"_s, u"1"_s, path(u"one.valbum"_s)} + pictures);
    const ProgramRun four = runValbum(options + QStringList{u"--jobs=4"_s, path(u"four.valbum"_s)} + pictures);
    ASSERT_EQ(one.exitCode, 3) << one.err.toStdString();
    EXPECT_EQ(four.exitCode, 3);
    EXPECT_EQ(readFileBytes(path(u"one.valbum"_s)), readFileBytes(path(u"four.valbum"_s)));
    const qint64 size = QFileInfo(path(u"one.valbum"_s)).size();
    EXPECT_LE(size, AlbumSizeLimit);
    EXPECT_TRUE(one.out.contains(u"total: %1 bytes of %2 (none "_s.arg(size).arg(AlbumSizeLimit)))
        << one.out.toStdString();

    // Each image is exactly the preview of the rendering its line names, and
    // the pictures past the last one are named as left out.
    const QStringList renderings{u"none"_s, u"compact"_s, u"compact-diffusion"_s, u"floyd-steinberg"_s};
    QStringList chosen;
    for (const QString &rendering : renderings)
        ASSERT_EQ(runValbum(QStringList{u"preview"_s, path(rendering), u"--smooth"_s, u"--contrast=10"_s, u"--dither"_s,
                                        rendering}
                            + pictures)
                      .exitCode,
                  0);
    ASSERT_EQ(runValbum({u"extract"_s, path(u"one.valbum"_s), path(u"stored"_s)}).exitCode, 0);
    const QRegularExpression line(u"^(\\d+) (\\S+) \\((\\S+), (\\d+) bytes\\)$"_s, QRegularExpression::MultilineOption);
    int kept = 0;
    qint64 records = AlbumHeaderSize;
    for (auto match = line.globalMatch(one.out); match.hasNext(); ++kept) {
        const QRegularExpressionMatch found = match.next();
        ASSERT_TRUE(renderings.contains(found.captured(3))) << found.captured(0).toStdString();
        chosen.append(found.captured(3));
        const QString name = QFileInfo(found.captured(2)).completeBaseName() + u".png"_s;
        const QImage stored(QDir(path(u"stored"_s)).filePath(u"%1.png"_s.arg(kept, 3, 10, QLatin1Char('0'))));
        EXPECT_TRUE(samePixels(stored, QImage(QDir(path(found.captured(3))).filePath(name))))
            << found.captured(0).toStdString();
        records += found.captured(4).toLongLong();
    }
    EXPECT_EQ(records, size);
    // The noise that fills the album is best kept in compact diffusion.
    EXPECT_TRUE(chosen.contains(u"compact-diffusion"_s)) << chosen.join(' ').toStdString();
    ASSERT_GT(kept, 19);
    ASSERT_LT(kept, pictures.size());
    for (qsizetype index = kept; index < pictures.size(); ++index)
        EXPECT_TRUE(one.err.contains(u"left out: %1\n"_s.arg(pictures[index]))) << index;

    // It chooses the greys, so it takes no --dither.
    EXPECT_EQ(runValbum({u"create"_s, u"--best-fit"_s, u"--dither=compact"_s, path(u"no.valbum"_s), pictures.first()})
                  .exitCode,
              64);
    EXPECT_FALSE(QFileInfo::exists(path(u"no.valbum"_s)));
}
