// Add, insert, delete, move up and move down: editing the album's image list.

#include "unit1.h"

#include "albummessages.h"
#include "dialogseam.h"
#include "pictureconversion.h"

namespace {

const QString CannotImportTemplate = QStringLiteral("Cannot import picture \"%1\". %2");

} // namespace

bool TForm1::ImportPicture(const QString &path, int position)
{
    const AlbumImageLoad loaded = LoadAlbumImage(path, m_dialogs->pictureConversion());
    if (!loaded.ok) {
        m_dialogs->tell(QMessageBox::Critical, AlbumEditorCaption, CannotImportTemplate.arg(path, loaded.errorString));
        return false;
    }
    const QImage &albumImage = loaded.albumImage;
    if (position < 0) {
        m_album.append(albumImage);
        selectEntry(m_album.count() - 1);
    } else {
        m_album.insert(position, albumImage);
        selectEntry(position);
    }
    RefreshState(true);
    return true;
}

void TForm1::Button10Click()
{
    const QString path = m_dialogs->choosePicture();
    if (!path.isEmpty())
        ImportPicture(path, -1);
}

void TForm1::Button4Click()
{
    const QString path = m_dialogs->choosePicture();
    // The selection is read only now: the dialog may have taken a while.
    if (!path.isEmpty())
        ImportPicture(path, selectedIndex());
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
