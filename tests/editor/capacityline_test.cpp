// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacity line in the window as it is laid out: its longest texts, in
// every mode, are painted whole. ctest runs this at display scales 1 and 2.

#include "editortestsupport.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(CapacityLine, TheLongestTextOfEveryModeIsPaintedWhole)
{
    EditorUnderTest editor;
    editor.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.form.get()));
    ExpectCapacityLinePaintedWhole(*editor.form);
}
