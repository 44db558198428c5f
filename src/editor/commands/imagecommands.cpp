// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Add, insert, delete, move up and move down: editing the album's image list.

#include "editor/window/unit1.h"

#include "editor/commands/albummessages.h"
#include "editor/commands/dialogseam.h"
#include "messages/picturetexts.h"
#include "picture/albumimage.h"

namespace {

const QString CannotImportTemplate = QStringLiteral("Cannot import picture \"%1\". %2");

} // namespace

bool TForm1::ImportPicture(const QString &path, int position)
{
    return ImportPictures({path}, position) == 1;
}

int TForm1::ImportPictures(const QStringList &paths, int position)
{
    const ConversionOptions conversion = m_dialogs->pictureConversion();
    QStringList failures;
    int imported = 0;
    for (const QString &path : paths) {
        const AlbumImageLoad loaded = LoadAlbumImage(path, conversion);
        if (!loaded.ok) {
            failures.append(CannotImportTemplate.arg(path, PictureProblemText(loaded.problem)));
            continue;
        }
        const QImage &albumImage = loaded.albumImage;
        if (position < 0) {
            m_album.append(albumImage);
            selectEntry(m_album.count() - 1);
        } else {
            // Each one goes after the one before it, all before the entry
            // that was selected.
            m_album.insert(position, albumImage);
            selectEntry(position++);
        }
        RefreshState(true);
        ++imported;
    }
    // One box for the whole choice, however many pictures failed.
    if (!failures.isEmpty())
        m_dialogs->tell(QMessageBox::Critical, AlbumEditorCaption, failures.join(QLatin1Char('\n')));
    return imported;
}

void TForm1::Button10Click()
{
    const QStringList paths = m_dialogs->choosePictures();
    if (!paths.isEmpty())
        ImportPictures(paths, -1);
}

void TForm1::Button4Click()
{
    const QStringList paths = m_dialogs->choosePictures();
    // The selection is read only now: the dialog may have taken a while.
    if (!paths.isEmpty())
        ImportPictures(paths, selectedIndex());
}

void TForm1::Button5Click()
{
    int selected = selectedIndex();
    if (selected < 0)
        return;
    m_album.remove(selected);
    if (selected == m_album.count())
        --selected;
    if (selected >= 0)
        selectEntry(selected);
    RefreshState(true);
}

void TForm1::Button2Click()
{
    const int selected = selectedIndex();
    if (selected < 1)
        return;
    m_album.exchange(selected, selected - 1);
    selectEntry(selected - 1);
    RefreshState(true);
}

void TForm1::Button3Click()
{
    const int selected = selectedIndex();
    if (selected < 0 || selected >= m_album.count() - 1)
        return;
    m_album.exchange(selected, selected + 1);
    selectEntry(selected + 1);
    RefreshState(true);
}
