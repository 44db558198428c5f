// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Best fit" among the picture dialog's greys: the album saved is the one
// `valbum create --best-fit` makes of the same pictures, and the capacity
// line counts with that choice, made off the window's thread.

#include "editor/document/album.h"
#include "editor/document/capacitymeter.h"
#include "editor/document/greysnames.h"
#include "editortestsupport.h"
#include "messages/albumtexts.h"
#include "qtimage/albumimage.h"
#include "support/testpictures.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QListView>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

namespace {

class EditorBestFit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Noise overflows an album whatever its greys; gradients want the finest.
        for (int index = 0; index < 44; ++index) {
            const QImage picture = index % 11 == 0 ? GradientPicture(100 + index, 90)
                                                   : NoisyPicture(120, 90, static_cast<std::uint32_t>(index + 1));
            pictures.append(dir.filePath(QStringLiteral("picture%1.png").arg(index)));
            ASSERT_TRUE(picture.save(pictures.last()));
        }
        options.smooth = true;
        options.contrast = 10;
    }

    QByteArray valbumBestFit(const QStringList &paths)
    {
        const QString album = dir.filePath(QStringLiteral("valbum%1.valbum").arg(paths.size()));
        QProcess process;
        process.start(QStringLiteral(VALBUM_PROGRAM),
                      QStringList{QStringLiteral("create"), QStringLiteral("--best-fit"), QStringLiteral("--smooth"),
                                  QStringLiteral("--contrast=10"), album}
                          + paths);
        EXPECT_TRUE(process.waitForFinished(120'000));
        QFile file(album);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    static QByteArray saved(EditorUnderTest &editor, const QString &path)
    {
        editor.dialogs->albumsToSave = {path};
        editor.form->Button9Click();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    static bool settles(EditorUnderTest &editor)
    {
        return QTest::qWaitFor([&] { return editor.form->capacityMeter().settled(); }, 60'000);
    }

    QTemporaryDir dir;
    QStringList pictures;
    ConversionOptions options;
};

TEST_F(EditorBestFit, SavedAlbumIsValbumsBestFitAndTheLineCountsWithIt)
{
    EditorUnderTest editor;
    editor.dialogs->conversion = options;
    editor.dialogs->bestFit = true;
    editor.dialogs->pictureSelections = {pictures};
    editor.form->Button10Click();
    ASSERT_EQ(editor.form->album().count(), pictures.size());
    // Colours kept until saving, as with the plain import.
    EXPECT_NE(DeviceViewOf(editor.form->album().image(1)), editor.form->album().image(1));

    ASSERT_TRUE(settles(editor));
    const CapacityMeter &meter = editor.form->capacityMeter();
    const int fitting = meter.layout().imagesWritten;
    ASSERT_GT(fitting, 0);
    ASSERT_LT(fitting, pictures.size());
    EXPECT_EQ(meter.summary(), WarningSign
                                   + QStringLiteral("%1 of %2 fit, %3 B")
                                         .arg(fitting)
                                         .arg(pictures.size())
                                         .arg(QLocale(QLocale::English).toString(meter.layout().bytes.size())));
    EXPECT_TRUE(meter.details().contains(QStringLiteral("Best fit renders: ")));

    const QByteArray expected = valbumBestFit(pictures);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(saved(editor, dir.filePath(QStringLiteral("editor.valbum"))), expected);

    // Fewer pictures: all fit, and the line says best fit decided it.
    const QStringList few = pictures.mid(0, 12);
    EditorUnderTest small;
    small.dialogs->conversion = options;
    small.dialogs->bestFit = true;
    small.dialogs->pictureSelections = {few};
    small.form->Button10Click();
    // Saved at once, before the workers are done: the same choice, made then.
    EXPECT_EQ(saved(small, dir.filePath(QStringLiteral("few.valbum"))), valbumBestFit(few));
    ASSERT_TRUE(settles(small));
    EXPECT_TRUE(small.form->capacityMeter().summary().startsWith(QStringLiteral("12 best fit, ")))
        << small.form->capacityMeter().summary().toStdString();

    // Each thumbnail names the rendering chosen for it, as valbum's line for
    // the same picture does ("000 picture0.png (compact, 812 bytes)"), in
    // its tooltip and in what a screen reader says of it.
    QProcess valbum;
    valbum.start(QStringLiteral(VALBUM_PROGRAM),
                 QStringList{QStringLiteral("create"), QStringLiteral("--best-fit"), QStringLiteral("--smooth"),
                             QStringLiteral("--contrast=10"), QStringLiteral("--force"),
                             dir.filePath(QStringLiteral("notes.valbum"))}
                     + few);
    ASSERT_TRUE(valbum.waitForFinished(120'000));
    const QStringList lines = QString::fromUtf8(valbum.readAllStandardOutput()).split(QLatin1Char('\n'));
    QListView *list = ListBox1Of(*small.form);
    for (int row = 0; row < few.size(); ++row) {
        SCOPED_TRACE(row);
        const qsizetype line = lines.indexOf(QRegularExpression(QStringLiteral("^%1 .* \\(.*").arg(ImageLabel(row))));
        ASSERT_GE(line, 0);
        const QString cliName = lines.at(line).section(QLatin1Char('('), -1).section(QLatin1Char(','), 0, 0);
        const auto name = std::find(GreyDitherNames.begin(), GreyDitherNames.end(), cliName.toStdString());
        ASSERT_NE(name, GreyDitherNames.end()) << cliName.toStdString();
        const QString note =
            QStringLiteral("best fit shows it as %1").arg(GreyDitherTexts().at(name - GreyDitherNames.begin()));
        const QModelIndex entry = small.form->album().index(row);
        EXPECT_EQ(entry.data(Qt::AccessibleDescriptionRole).toString(), note);
        list->scrollTo(entry);
        const QRect at = list->visualRect(entry);
        QHelpEvent help(QEvent::ToolTip, at.center(), list->viewport()->mapToGlobal(at.center()));
        QApplication::sendEvent(list->viewport(), &help);
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), QStringLiteral("Image %1 %2.").arg(ImageLabel(row), note));
        QToolTip::hideText();
    }
}

TEST_F(EditorBestFit, FixedPicturesKeepTheirRendering)
{
    EditorUnderTest editor;
    ConversionOptions ordered = options;
    ordered.greys = GreyDither::Ordered;
    const struct
    {
        ConversionOptions options;
        bool bestFit;
        QStringList paths;
    } adds[] = {
        {ordered, false, pictures.mid(0, 2)},
        {options, true, pictures.mid(2, 10)},
        {options, false, pictures.mid(32, 1)},
    };
    for (const auto &add : adds) {
        editor.dialogs->conversion = add.options;
        editor.dialogs->bestFit = add.bestFit;
        editor.dialogs->pictureSelections = {add.paths};
        editor.form->Button10Click();
    }
    ASSERT_TRUE(settles(editor));
    const QString path = dir.filePath(QStringLiteral("mixed.valbum"));
    ASSERT_FALSE(saved(editor, path).isEmpty());
    Album reread;
    ASSERT_EQ(ReadAlbum(reread, path).outcome, AlbumReadOutcome::Read);
    ASSERT_EQ(reread.count(), 13);
    for (int index = 0; index < 2; ++index)
        EXPECT_EQ(reread.image(index), ImportPicture(pictures.at(index), ordered).albumImage);
    EXPECT_EQ(reread.image(12), DeviceViewOf(ImportPicture(pictures.at(32), options).albumImage));
    // The best-fit ones in between got renderings of their own.
    EXPECT_EQ(reread.image(5), DeviceViewOf(reread.image(5)));
}

// The first choice is held on its worker while the album loses its last
// picture: the window keeps turning, the held choice is dropped, and the line
// and the saved album are valbum's for the album as it is.
TEST_F(EditorBestFit, TheChoiceRunsOffTheWindowAndAStaleOneIsDropped)
{
    const struct
    {
        const char *name;
        bool saveWhileHeld; // settle() chooses on the window's thread, as saving may
        int choicesMade;    // the held one, then none or one for the album as it is
    } cases[] = {
        {"changed while held", false, 2},
        {"changed and saved while held", true, 1},
    };
    const QStringList kept = pictures.mid(0, 12);
    const QByteArray expected = valbumBestFit(kept);
    ASSERT_FALSE(expected.isEmpty());
    for (const auto &test : cases) {
        SCOPED_TRACE(test.name);
        EditorUnderTest editor;
        CapacityMeter &meter = editor.form->capacityMeter();
        QSemaphore release;
        std::atomic<int> started = 0;
        std::atomic<int> finished = 0;
        std::atomic<bool> onWindowThread = false;
        meter.setBestFitChooser([&](const BestFitSnapshot &snapshot) {
            if (QThread::currentThread() == editor.form->thread())
                onWindowThread = true;
            // Bounded, so a choice made on the window's thread fails the test rather than hanging it.
            if (started++ == 0)
                release.tryAcquire(1, 20'000);
            BestFitLayout layout = LayOutBestFit(snapshot);
            ++finished;
            return layout;
        });
        QStringList lines;
        QObject::connect(&meter, &CapacityMeter::changed, [&] {
            if (meter.settled())
                lines.append(meter.summary());
        });

        editor.dialogs->conversion = options;
        editor.dialogs->bestFit = true;
        editor.dialogs->pictureSelections = {pictures.mid(0, 13)};
        editor.form->Button10Click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return started == 1; }, 60'000));
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(10);
        QTest::qWait(200);
        EXPECT_GE(ticks, 5);
        EXPECT_FALSE(meter.settled());

        editor.form->album().remove(12);
        QTest::qWait(50);
        EXPECT_FALSE(meter.settled());
        if (test.saveWhileHeld) {
            EXPECT_EQ(saved(editor, dir.filePath(QStringLiteral("held.valbum"))), expected);
        }
        release.release();
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished == test.choicesMade && meter.settled(); }, 60'000));
        QTest::qWait(50);

        EXPECT_FALSE(onWindowThread);
        EXPECT_EQ(started, test.choicesMade);
        EXPECT_TRUE(meter.summary().startsWith(QStringLiteral("12 best fit, "))) << meter.summary().toStdString();
        // Only the album as it is was ever shown.
        EXPECT_EQ(lines.join(QStringLiteral("\n")).toStdString(), meter.summary().toStdString());
        EXPECT_EQ(saved(editor, dir.filePath(QStringLiteral("after.valbum"))), expected);
    }
}

} // namespace
