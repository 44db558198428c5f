// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

using namespace Qt::StringLiterals;

namespace {

class AppendCommand : public CliTest
{
protected:
    QString album(const QString &name, const QList<QImage> &images, const QString &passwordText = {})
    {
        writeFileBytes(path(name), editorSavedBytes(images, passwordText));
        return path(name);
    }

    static QList<QImage> noise(std::uint32_t firstSeed, int count)
    {
        QList<QImage> images;
        for (std::uint32_t seed = firstSeed; seed < firstSeed + static_cast<std::uint32_t>(count); ++seed)
            images.append(DeviceViewOf(NoisyPicture(92, 92, seed)));
        return images;
    }
};

TEST_F(AppendCommand, AddsTheSourcesAfterTheTargetAndKeepsItsPassword)
{
    const QList<QImage> own{DeviceViewOf(GradientPicture(92, 92))};
    const QList<QImage> first = noise(1, 2);
    const QList<QImage> second{DeviceViewOf(GradientPicture(30, 92))};
    const QString target = album(u"target.valbum"_s, own, u"4321"_s);
    const QString one = album(u"one.valbum"_s, first, u"1111"_s);
    const QString two = album(u"two.valbum"_s, second);

    const ProgramRun run = runValbum({u"append"_s, target, one, two});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readFileBytes(target), editorSavedBytes(own + first + second, u"4321"_s));
    EXPECT_TRUE(run.out.contains(u"\n002 %1 001\n003 %2 000\n"_s.arg(one, two))) << run.out.toStdString();
}

TEST_F(AppendCommand, WritesNothingWhenAnyAlbumIsDamaged)
{
    const QString target = album(u"target.valbum"_s, noise(1, 2));
    const QByteArray targetBytes = readFileBytes(target);
    const QString good = album(u"good.valbum"_s, noise(3, 2));
    const QString shortened = path(u"short.valbum"_s);
    writeFileBytes(shortened, readFileBytes(good).chopped(10));

    for (const QString &source : {shortened, path(u"missing.valbum"_s)}) {
        const ProgramRun run = runValbum({u"append"_s, target, good, source});
        EXPECT_EQ(run.exitCode, 2) << source.toStdString();
        EXPECT_TRUE(run.err.contains(u"nothing was written"_s)) << run.err.toStdString();
        EXPECT_EQ(readFileBytes(target), targetBytes);
    }
    // Saving a damaged target would throw its unreadable rest away.
    EXPECT_EQ(runValbum({u"append"_s, shortened, good}).exitCode, 2);
    EXPECT_EQ(readFileBytes(shortened), readFileBytes(good).chopped(10));
}

} // namespace
