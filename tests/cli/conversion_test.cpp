// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

using ConversionOptionsTest = CliTest;

TEST_F(ConversionOptionsTest, PreviewShowsExactlyWhatTheAlbumHolds)
{
    const QStringList pictures{savePicture(u"photo.jpg"_s, GradientPicture(640, 480)),
                               savePicture(u"tall.png"_s, NoisyPicture(50, 130, 3))};
    const QList<QStringList> optionSets{
        {},
        {u"--smooth"_s, u"--fit"_s, u"pad"_s},
        {u"--fit"_s, u"crop"_s, u"--smooth"_s, u"--dither"_s, u"atkinson"_s, u"--brightness"_s, u"15"_s},
        {u"--dither"_s, u"ordered"_s, u"--contrast"_s, u"-20"_s},
        {u"--dither=floyd-steinberg"_s, u"--brightness=-100"_s, u"--contrast=100"_s},
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

TEST_F(ConversionOptionsTest, ExplicitDefaultsWriteTheSameAlbum)
{
    const QStringList pictures{savePicture(u"a.jpg"_s, GradientPicture(300, 200)),
                               savePicture(u"b.png"_s, NoisyPicture(40, 60, 7))};
    const QString plain = path(u"plain.valbum"_s);
    const QString explicitDefaults = path(u"defaults.valbum"_s);
    ASSERT_EQ(runValbum(QStringList{u"create"_s, plain} + pictures).exitCode, 0);
    ASSERT_EQ(runValbum(QStringList{u"create"_s, explicitDefaults, u"--fit"_s, u"stretch"_s, u"--dither"_s, u"none"_s,
                                    u"--brightness"_s, u"0"_s, u"--contrast"_s, u"0"_s}
                        + pictures)
                  .exitCode,
              0);
    EXPECT_EQ(readFileBytes(explicitDefaults), readFileBytes(plain));
    QList<QImage> images;
    for (const QString &picture : pictures)
        images.append(editorAlbumImage(picture));
    EXPECT_EQ(readFileBytes(plain), editorSavedBytes(images));
}

TEST_F(ConversionOptionsTest, BadValuesAreUsageErrorsAndWriteNothing)
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
