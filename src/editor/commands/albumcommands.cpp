// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Load, append, save and save as: moving albums between disk and the window.

#include "editor/commands/albumcommands.h"

#include "editor/commands/albummessages.h"
#include "editor/commands/dialogseam.h"
#include "editor/document/album.h"
#include "editor/document/capacitymeter.h"

AlbumCommands::AlbumCommands(Album &album, CapacityMeter &meter, DialogSeam &dialogs)
    : m_album(album)
    , m_meter(meter)
    , m_dialogs(dialogs)
{
}

bool AlbumCommands::confirmDiscard()
{
    return m_dialogs.ask(AlbumEditorCaption(), DiscardQuestion()) == QMessageBox::Yes;
}

void AlbumCommands::showGeneralError(const QString &message)
{
    m_dialogs.tell(QMessageBox::Critical, m_album.title(), WithClosingPeriod(message));
}

void AlbumCommands::showReadMessage(const QString &path, const AlbumFileContents &contents)
{
    const EditorMessage message = ReadMessage(path, contents);
    if (!message.text.isEmpty())
        m_dialogs.tell(message.icon, message.caption, message.text);
}

void AlbumCommands::load()
{
    if (m_album.modified() && !confirmDiscard())
        return;
    const QString path = m_dialogs.chooseAlbumToOpen();
    // Cancelled: the unsaved images stay, and so does the guard on them.
    if (!path.isEmpty())
        openAlbumFile(path);
}

void AlbumCommands::openAlbumFile(const QString &path)
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
    showReadMessage(path, contents);
    m_album.setModified(false);
}

void AlbumCommands::append()
{
    const QString path = m_dialogs.chooseAlbumToOpen();
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
    m_album.setModified(true);
}

void AlbumCommands::save()
{
    const QString path = m_album.currentPath().isEmpty() ? m_dialogs.chooseAlbumToSave() : m_album.currentPath();
    if (!path.isEmpty())
        saveTo(path);
}

void AlbumCommands::saveAs()
{
    const QString path = m_dialogs.chooseAlbumToSave();
    if (!path.isEmpty())
        saveTo(path);
}

void AlbumCommands::saveTo(const QString &path)
{
    // The meter has compressed most images already; it makes any it has not,
    // and so best fit's choice is the one it shows once settled.
    m_meter.settle();
    const AlbumWriteResult result = WriteAlbum(m_album, path, [this](int index) { return m_meter.record(index); });
    if (!result.ok) {
        // The path becomes the album's only once something is saved there.
        m_dialogs.tell(
            QMessageBox::Critical, AlbumEditorCaption(),
            WithClosingPeriod(
                EditorMessages::tr("Cannot save file \"%1\". %2").arg(path, AlbumWriteFailureReason(result))));
        return;
    }
    m_album.setCurrentPath(path);
    const int leftOut = result.imageCount - result.imagesWritten;
    if (leftOut > 0) {
        //: %n images of %2 left out, %3 the limit in bytes ("81,920"), %4 the first left out ("012").
        m_dialogs.tell(QMessageBox::Warning, AlbumEditorCaption(),
                       EditorMessages::tr("The album is full: %n of %2 images did not fit into %3 bytes and were not "
                                          "saved, from image %4 on.",
                                          nullptr, leftOut)
                           .arg(result.imageCount)
                           .arg(AlbumSizeLimitText(), ImageLabel(result.imagesWritten)));
        // The left-out images exist only here; keep them guarded.
        m_album.setModified(true);
        return;
    }
    m_album.setModified(false);
}
