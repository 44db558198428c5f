// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class Album;
class AlbumSelection;
class DialogSeam;

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

    // Brings the pictures in, in order, before `position` or at the end when
    // it is negative, and names every one that fails in a single box.
    // Returns how many came in.
    int addPictures(const QStringList &paths, int position);

private:
    Album &m_album;
    AlbumSelection &m_selection;
    DialogSeam &m_dialogs;
};
