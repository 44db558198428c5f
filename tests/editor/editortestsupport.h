// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/window/unit1.h"
#include "scripteddialogs.h"
#include "support/testalbums.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <memory>

class PicturePreviewPane;

// A shown window with scripted dialogs, as the tests drive it.
struct EditorUnderTest
{
    EditorUnderTest();

    ScriptedDialogs *dialogs; // owned by the window
    std::unique_ptr<TForm1> form;
};

// Waits until the pane shows the result of its newest decode; false when it never does.
bool PreviewSettles(PicturePreviewPane *pane);

// The window's controls, found as a user's tools find them: by the names the
// layout gives them.
QListView *ListBox1Of(const TForm1 &form);
QLineEdit *Edit1Of(const TForm1 &form);
// ButtonOf(form, 6) is Button6.
QPushButton *ButtonOf(const TForm1 &form, int number);
QLabel *LabelOf(const TForm1 &form, int number);

// A widget's text as the screen shows it: the window's pixels under the
// widget, the colour most of them have, and the text colour that stands out
// most from it.
struct PaintedText
{
    QColor background;
    QColor ink;
    double contrast = 1.0;
};
PaintedText PaintedTextOf(QWidget *widget);

// Red rather than grey: red well above both green and blue.
bool IsRed(const QColor &colour);

// The capacity line's longest texts, in every mode, are painted whole in the
// shown window `form`: not cut short with an ellipsis, within the label, and
// the ink as wide as the text.
void ExpectCapacityLinePaintedWhole(TForm1 &form);
