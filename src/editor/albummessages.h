#pragma once

#include "albumfile.h"

#include <QMessageBox>
#include <QString>

// The editor's words for what the album reader and writer report.

inline const QString AlbumEditorCaption = QStringLiteral("Vemo ZidarUzura editor");
inline const QString NotAnAlbumCaption = QStringLiteral("Vemo ZidarUzura");
inline const QString NotAnAlbumMessage = QStringLiteral("This file is not a Vemo ZidarUzura");
inline const QString DecompressionErrorMessage = QStringLiteral("LZO Uncompression error");

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

// Why a save failed, as the second sentence of "Cannot save file ...".
QString WriteFailureReason(const AlbumWriteResult &result);

// The open-failure message "Cannot open file "<path>". <reason>", with trailing
// periods and blanks cut from the reason.
QString CannotOpenMessage(const QString &path, const QString &reason);

// The message box text rule: a period is appended when the text is not empty
// and its last character sorts after '.'.
QString WithClosingPeriod(const QString &text);
