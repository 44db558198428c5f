// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "messages/albumtexts.h"

#include <QMessageBox>
#include <QString>

// The editor's words for what the album reader and writer report.

inline const QString AlbumEditorCaption = QStringLiteral("Vemo ZidarUzura editor");
inline const QString NotAnAlbumCaption = QStringLiteral("Vemo ZidarUzura");
inline const QString DiscardQuestion = QStringLiteral("Discard unsaved information?");

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
