// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/commands/albummessages.h"

EditorMessage ReadMessage(const QString &path, const AlbumFileContents &contents)
{
    if (contents.outcome == AlbumReadOutcome::NotAnAlbum)
        return {QMessageBox::Critical, NotAnAlbumCaption(), NotAnAlbumMessage()};
    if (contents.outcome != AlbumReadOutcome::Read || contents.whole())
        return {};
    // The images before the damage are kept, so the user must know that the
    // next save drops whatever the file held after them.
    //: %2 is "damaged: 3 images were read, and the rest of the file could not be read (...)".
    return {QMessageBox::Warning, AlbumEditorCaption(),
            EditorMessages::tr("The album \"%1\" is %2. Saving writes only the images shown.")
                .arg(path, AlbumDamageClause(contents.records.size(), contents.stop))};
}
