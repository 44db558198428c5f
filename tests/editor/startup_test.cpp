// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: the compression library check decides whether a window ever exists.

#include "albumfile/albumfile.h"
#include "editor/window/project1.h"
#include "editor/window/unit1.h"
#include "qtimage/albumbitmap.h"
#include "support/testalbums.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

int topLevelForms()
{
    int forms = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<TForm1 *>(widget))
            ++forms;
    return forms;
}

QApplication &application()
{
    return *qobject_cast<QApplication *>(QCoreApplication::instance());
}

} // namespace

TEST(Startup, UnusableCompressionReportsOnceAndExitsWithOneBeforeAnyWindow)
{
    int checks = 0;
    int reports = 0;
    int formsWhileReporting = -1;
    const StartupHooks hooks{[&checks] {
                                 ++checks;
                                 return false;
                             },
                             [&] {
                                 ++reports;
                                 formsWhileReporting = topLevelForms();
                             }};

    EXPECT_EQ(Project1(application(), hooks), 1);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(formsWhileReporting, 0);
    EXPECT_EQ(topLevelForms(), 0);
}

TEST(Startup, CompressionLibraryInitialisesHere)
{
    EXPECT_TRUE(DefaultStartupHooks().initCompression());
}

TEST(Startup, RealFailureReportIsAnOwnerlessStopBoxWithOnlyOk)
{
    struct
    {
        bool seen = false;
        std::string caption;
        std::string text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool owned = true;
    } box;
    // The box is modal; answer it from inside its own event loop.
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!shown)
            return;
        answer.stop();
        box.seen = true;
        box.caption = shown->windowTitle().toStdString();
        box.text = shown->text().toStdString();
        box.icon = shown->icon();
        box.buttons = shown->standardButtons();
        box.owned = shown->parentWidget() != nullptr;
        QTest::mouseClick(shown->button(QMessageBox::Ok), Qt::LeftButton);
    });
    answer.start();
    DefaultStartupHooks().reportInitFailure();
    answer.stop();

    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.caption, "Kalde New");
    EXPECT_EQ(box.text, "Can not init LZO library");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_FALSE(box.owned);
}

TEST(Startup, UsableCompressionShowsTheWindowAndRunsUntilItCloses)
{
    int reports = 0;
    const StartupHooks hooks{[] { return true; }, [&reports] { ++reports; }};

    struct
    {
        int forms = 0;
        bool visible = false;
        QPoint position;
        std::string caption;
    } window;
    QTimer::singleShot(0, [&window] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *form = qobject_cast<TForm1 *>(widget)) {
                ++window.forms;
                window.visible = form->isVisible();
                window.position = form->pos();
                window.caption = form->windowTitle().toStdString();
                form->close();
            }
        }
    });
    // Only a guard against a loop that never ends; the window closes first.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(30'000);

    const int exitCode = Project1(application(), hooks);
    guard.stop();

    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(window.forms, 1);
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(window.position, QPoint(282, 135));
    EXPECT_EQ(window.caption, "Vemo ZidarUzura editor - ");
    EXPECT_EQ(topLevelForms(), 0);
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// An album named on the command line is opened once the window shows; one
// that cannot be read gives its box, then the empty window.
TEST(Startup, OpensTheAlbumNamedOnTheCommandLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("holiday.valbum"));
    QImage picture(92, 92, QImage::Format_RGB32);
    picture.fill(qRgb(90, 90, 90));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(AsByteArray(EncodeAlbum({picture, picture}, QStringLiteral("12")).bytes));
    file.close();
    const QString missing = dir.filePath(QStringLiteral("gone.valbum"));

    struct Case
    {
        QString album;
        QString caption;
        int images;
        QString box;
    };
    const Case cases[] = {
        {good, QStringLiteral("Vemo ZidarUzura editor - holiday.valbum"), 2, {}},
        {missing, QStringLiteral("Vemo ZidarUzura editor - "), 0,
         QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(missing)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.album.toStdString());
        struct
        {
            QString box;
            QString caption;
            int images = -1;
        } seen;
        // Answers the box, then closes the window once the album is in.
        QTimer driver;
        driver.setInterval(10);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen.box = box->text();
                box->done(QMessageBox::Ok);
                return;
            }
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *form = qobject_cast<TForm1 *>(widget);
                if (!form || (seen.box.isEmpty() && form->album().count() == 0))
                    continue;
                driver.stop();
                seen.caption = form->windowTitle();
                seen.images = form->album().count();
                form->close();
            }
        });
        driver.start();
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(30'000);

        EXPECT_EQ(Project1(application(), {[] { return true; }, [] {}}, c.album), 0);
        EXPECT_EQ(seen.box, c.box);
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.images, c.images);
    }
}
