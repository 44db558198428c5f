// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editortestsupport.h"

#include "editor/picturedialog/openpicturedialog.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

EditorUnderTest::EditorUnderTest()
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    form = std::make_unique<TForm1>(std::move(scripted));
    form->show();
}

bool PreviewSettles(PicturePreviewPane *pane)
{
    return QTest::qWaitFor([pane] { return !pane->isLoading(); }, 20'000);
}

// Widgets need an application object for the whole run.
int main(int argc, char **argv)
{
    // Headless unless told otherwise, so the suites also list and run where
    // there is no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Real file dialogs save their history; keep it out of the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
