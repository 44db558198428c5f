// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

// The editor's rooms as translators meet them: each text is translated in
// the context of the room that shows it.

// The window: its buttons, captions and the thumbnails' notes.
struct MainWindow
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

// The line under the version number and its tooltip; it must fit its fixed
// width in every language.
struct CapacityLine
{
    Q_DECLARE_TR_FUNCTIONS(CapacityLine)
};

// The picture dialog: the preview, the choices and the larger preview.
struct PictureDialog
{
    Q_DECLARE_TR_FUNCTIONS(PictureDialog)
};

// The message boxes and the album file dialogs.
struct EditorMessages
{
    Q_DECLARE_TR_FUNCTIONS(EditorMessages)
};

// valbum-editor --help and its mistakes on the command line.
struct EditorCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(EditorCommandLine)
};
