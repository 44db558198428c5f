// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Load, append, save and save as: moving albums between disk and the window.

#include "editor/window/unit1.h"

#include "editor/commands/albummessages.h"
#include "editor/commands/dialogseam.h"

#include <QListView>

namespace {

const QString CannotSaveTemplate = QStringLiteral("Cannot save file \"%1\". %2");
const QString AlbumFullTemplate = QStringLiteral(
    "The album is full: %1 of %2 images did not fit into %3 bytes and were not saved, from image %4 on.");

} // namespace

void TForm1::showReadMessage(const QString &path, const AlbumFileContents &contents)
{
    const EditorMessage message = ReadMessage(path, contents);
    if (!message.text.isEmpty())
        m_dialogs->tell(message.icon, message.caption, message.text);
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
        showGeneralError(CannotOpenMessage(path, contents.errorString));
        return;
    }
    if (contents.outcome == AlbumReadOutcome::NotAnAlbum) {
        showReadMessage(path, contents);
        return;
    }
    m_album.removeAll();
    ApplyAlbumFile(m_album, contents, path);
    // A new album starts at its first image, not where the last one was scrolled to.
    ListBox1->scrollToTop();
    showReadMessage(path, contents);
    RefreshState(false);
}

void TForm1::Button11Click()
{
    const QString path = m_dialogs->chooseAlbumToOpen();
    if (!path.isEmpty()) {
        const AlbumFileContents contents = ReadAlbumFile(path);
        if (contents.outcome == AlbumReadOutcome::OpenFailed) {
            showGeneralError(CannotOpenMessage(path, contents.errorString));
            return;
        }
        // Appended rows come after the selected one, so the selection stays put.
        ApplyAlbumFile(m_album, contents, path);
        showReadMessage(path, contents);
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
    // The meter has compressed most images already; it makes any it has not.
    const AlbumWriteResult result = WriteAlbum(m_album, path, [this](int index) { return m_meter->record(index); });
    if (!result.ok) {
        // The path becomes the album's only once something is saved there.
        m_dialogs->tell(QMessageBox::Critical, AlbumEditorCaption,
                        CannotSaveTemplate.arg(path, AlbumWriteFailureReason(result)));
        return;
    }
    m_album.setCurrentPath(path);
    const int leftOut = result.imageCount - result.imagesWritten;
    if (leftOut > 0) {
        m_dialogs->tell(QMessageBox::Warning, AlbumEditorCaption,
                        AlbumFullTemplate.arg(leftOut)
                            .arg(result.imageCount)
                            .arg(AlbumSizeLimitText(), ImageLabel(result.imagesWritten)));
        // The left-out images exist only here; keep them guarded.
        RefreshState(true);
        return;
    }
    RefreshState(false);
}
