// Load, append, save and save as: moving albums between disk and the window.

#include "unit1.h"

#include "albumfile.h"
#include "dialogseam.h"

namespace {

const QString CannotSaveTemplate = QStringLiteral("Cannot save file \"%1\". %2");
const QString AlbumFullTemplate =
    QStringLiteral("The album is full: %1 of %2 images did not fit into 81,920 bytes and were not saved.");

} // namespace

void TForm1::showReadMessage(const QString &caption, const QString &message)
{
    if (!message.isEmpty())
        m_dialogs->tell(QMessageBox::Critical, caption, message);
}

void TForm1::Button6Click()
{
    if (m_album.modified() && !confirmDiscard())
        return;
    const QString path = m_dialogs->chooseAlbumToOpen();
    // Cancelled: the unsaved images stay, and so does the guard on them.
    if (!path.isEmpty())
        OpenAlbumFile(path);
}

void TForm1::OpenAlbumFile(const QString &path)
{
    // Read first and replace the open album only with a real album, so a
    // missing or foreign file leaves everything as it was.
    const AlbumFileContents contents = ReadAlbumFile(path);
    if (contents.outcome == AlbumReadOutcome::OpenFailed) {
        showGeneralError(contents.message);
        return;
    }
    if (contents.outcome == AlbumReadOutcome::NotAnAlbum) {
        showReadMessage(contents.caption, contents.message);
        return;
    }
    m_album.removeAll();
    ApplyAlbumFile(m_album, contents, path);
    showReadMessage(contents.caption, contents.message);
    RefreshState(false);
}

void TForm1::Button11Click()
{
    const QString path = m_dialogs->chooseAlbumToOpen();
    if (!path.isEmpty()) {
        const AlbumFileContents contents = ReadAlbumFile(path);
        if (contents.outcome == AlbumReadOutcome::OpenFailed) {
            showGeneralError(contents.message);
            return;
        }
        // Appended rows come after the selected one, so the selection stays put.
        ApplyAlbumFile(m_album, contents, path);
        showReadMessage(contents.caption, contents.message);
    }
    RefreshState(true);
}

void TForm1::Button7Click()
{
    const QString path = m_album.currentPath().isEmpty() ? m_dialogs->chooseAlbumToSave() : m_album.currentPath();
    if (!path.isEmpty())
        saveTo(path);
}

void TForm1::Button9Click()
{
    const QString path = m_dialogs->chooseAlbumToSave();
    if (!path.isEmpty())
        saveTo(path);
}

void TForm1::saveTo(const QString &path)
{
    const AlbumWriteResult result = WriteAlbum(m_album, path);
    if (!result.ok) {
        // The path becomes the album's only once something is saved there.
        m_dialogs->tell(QMessageBox::Critical, AlbumEditorCaption, CannotSaveTemplate.arg(path, result.errorString));
        return;
    }
    m_album.setCurrentPath(path);
    const int leftOut = result.imageCount - result.imagesWritten;
    if (leftOut > 0) {
        m_dialogs->tell(QMessageBox::Warning, AlbumEditorCaption, AlbumFullTemplate.arg(leftOut).arg(result.imageCount));
        // The left-out images exist only here; keep them guarded.
        RefreshState(true);
        return;
    }
    RefreshState(false);
}
