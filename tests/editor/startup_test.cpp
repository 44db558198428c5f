// Start-up: the compression library check decides whether a window ever exists.

#include "project1.h"
#include "unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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
