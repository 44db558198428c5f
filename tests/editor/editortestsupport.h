// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/window/unit1.h"
#include "scripteddialogs.h"
#include "support/testalbums.h"

#include <QImage>

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
