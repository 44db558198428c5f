// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QItemSelectionModel>

class Album;

// The one entry of the album the user has chosen. The list shows it and the
// commands read and move it, so both work on the same choice without the
// commands knowing the list.
class AlbumSelection : public QItemSelectionModel
{
    Q_OBJECT

public:
    explicit AlbumSelection(Album &album, QObject *parent = nullptr);

    // The selected entry, -1 when none.
    int selectedIndex() const;
    // Selects entry `index` alone and makes it current, so a view scrolls to it.
    void selectEntry(int index);
};
