// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"

#include <QString>

class Album;
class CapacityMeter;
class DialogSeam;

// Load, append, save and save as: moving albums between disk and the
// document. They see the album, its meter and the dialog seam, never the
// window; the window follows the album's signals.
class AlbumCommands
{
public:
    AlbumCommands(Album &album, CapacityMeter &meter, DialogSeam &dialogs);

    void load();
    void append();
    void save();
    void saveAs();
    // Load's work once a path is known, also for an album named at start-up:
    // reads the file and shows the same messages.
    void openAlbumFile(const QString &path);

    // Asks whether unsaved changes may go; true when the user says yes.
    bool confirmDiscard();
    // A failure that escapes a command: an error box captioned with the
    // album's title, its text closed with a period.
    void showGeneralError(const QString &message);

private:
    void saveTo(const QString &path);
    void showReadMessage(const QString &path, const AlbumFileContents &contents);

    Album &m_album;
    CapacityMeter &m_meter;
    DialogSeam &m_dialogs;
};
