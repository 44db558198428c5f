// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/document/albumselection.h"

#include "editor/document/album.h"

AlbumSelection::AlbumSelection(Album &album, QObject *parent)
    : QItemSelectionModel(&album, parent)
{
}

int AlbumSelection::selectedIndex() const
{
    const QModelIndexList selected = selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void AlbumSelection::selectEntry(int index)
{
    setCurrentIndex(model()->index(index, 0), QItemSelectionModel::ClearAndSelect);
}
