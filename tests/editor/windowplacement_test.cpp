// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window on a small screen at a display scale of 2: a 1920 x 1080
// screen is 960 x 540 logical pixels, less than the window's place needs.

#include "editor/window/unit1.h"
#include "editor/window/windowplacement.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, MovesOnlyAsFarAsTheAreaNeeds)
{
    const QRect area(0, 0, 960, 540);
    const struct
    {
        QRect frame;
        QPoint expected;
    } cases[] = {
        {{282, 135, 382, 414}, {282, 126}}, // bottom past the edge: up by the overlap only
        {{282, 100, 382, 414}, {282, 100}}, // fits: stays
        {{700, 135, 382, 414}, {578, 126}}, // right and bottom past the edges
        {{-20, -5, 382, 414}, {0, 0}},      // before the top left corner
        {{282, 135, 382, 600}, {282, 0}},   // taller than the area: the top stays reachable
    };
    for (const auto &c : cases)
        EXPECT_EQ(PlaceInside(c.frame, area), c.expected) << c.frame.x() << "," << c.frame.y();
}

TEST(WindowPlacement, TheWindowOpensWholeOnAScaledSmallScreen)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->devicePixelRatio(), 2.0);
    const QRect available = screen->availableGeometry();
    ASSERT_EQ(available.size(), QSize(960, 540));

    TForm1 form;
    ShowWithinScreen(form, MainWindowPosition);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(50);
    EXPECT_TRUE(available.contains(form.frameGeometry()))
        << form.frameGeometry().x() << "," << form.frameGeometry().y() << " " << form.frameGeometry().width() << "x"
        << form.frameGeometry().height();
    // The layout's place across, moved up only as far as the bottom needs.
    EXPECT_EQ(form.frameGeometry().x(), MainWindowPosition.x());
    EXPECT_EQ(form.frameGeometry().bottom(), available.bottom());
    EXPECT_EQ(form.size(), QSize(378, 410));
}

} // namespace

int main(int argc, char **argv)
{
    // A 1920 x 1080 screen shown at twice the size.
    QTemporaryFile screens;
    if (!screens.open())
        return 2;
    screens.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1920, "height": 1080,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
