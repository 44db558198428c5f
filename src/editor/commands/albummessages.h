// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "editor/translationcontexts.h"
#include "messages/albumtexts.h"

#include <QMessageBox>
#include <QString>

// The editor's words for what the album reader and writer report.

inline QString AlbumEditorCaption()
{
    //: The message boxes' caption. The device's name stays as it is.
    return EditorMessages::tr("Vemo ZidarUzura editor");
}
inline QString NotAnAlbumCaption()
{
    //: The caption of the box that says a file is not an album: the device's name, as it is.
    return EditorMessages::tr("Vemo ZidarUzura");
}
inline QString DiscardQuestion()
{
    return EditorMessages::tr("Discard unsaved information?");
}

// A message box to show: its icon, caption and text.
struct EditorMessage
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
};

// The box a read of `path` calls for, with an empty text when none does: not
// an album, or an album that could be read only in part. The open failure goes
// to the general error box instead (CannotOpenMessage).
EditorMessage ReadMessage(const QString &path, const AlbumFileContents &contents);
