// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/commands/dialogseam.h"

#include <QStringList>

class Album;
class AlbumSelection;

// Add, insert, delete, move up and move down: editing the album's image list
// through the document and its selection, never the window.
class ImageCommands
{
public:
    ImageCommands(Album &album, AlbumSelection &selection, DialogSeam &dialogs);

    void add();
    void insert();
    void remove();
    void moveUp();
    void moveDown();

    // Brings the chosen pictures in, in order, with the choice's conversion,
    // before `position` or at the end when it is negative, and names every
    // one that fails in a single box. The preview's decode comes in in place
    // of reading its file again while that file is unchanged. Returns how
    // many came in.
    int addPictures(const PictureChoice &choice, int position);
    // The same with the choices of the last answer from the picture dialog
    // (the defaults before there is one).
    int addPictures(const QStringList &paths, int position);

private:
    // Asks the dialog, and keeps its choices for addPictures(paths, ...).
    PictureChoice askForPictures();

    Album &m_album;
    AlbumSelection &m_selection;
    DialogSeam &m_dialogs;
    PictureChoice m_lastChoice; // its choices only
};
