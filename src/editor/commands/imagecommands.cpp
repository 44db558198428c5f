// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Add, insert, delete, move up and move down: editing the album's image list.

#include "editor/commands/imagecommands.h"

#include "editor/commands/albummessages.h"
#include "editor/commands/dialogseam.h"
#include "editor/document/album.h"
#include "editor/document/albumselection.h"
#include "imagerecords/bestfitrenderings.h"
#include "messages/picturetexts.h"
#include "qtimage/albumimage.h"

namespace {

const QString CannotImportTemplate = QStringLiteral("Cannot import picture \"%1\". %2");

} // namespace

ImageCommands::ImageCommands(Album &album, AlbumSelection &selection, DialogSeam &dialogs)
    : m_album(album)
    , m_selection(selection)
    , m_dialogs(dialogs)
{
}

int ImageCommands::addPictures(const QStringList &paths, int position)
{
    const ConversionOptions conversion = m_dialogs.pictureConversion();
    // Best fit keeps the placed square in colour; the rendering comes at saving.
    std::optional<ConversionOptions> bestFit;
    if (m_dialogs.pictureBestFit())
        bestFit = conversion;
    const ConversionOptions loading = bestFit ? BestFitPlacement(conversion) : conversion;
    QStringList failures;
    int imported = 0;
    for (const QString &path : paths) {
        const PictureImport loaded = ImportPicture(path, loading);
        if (!loaded.ok) {
            failures.append(WithClosingPeriod(CannotImportTemplate.arg(path, PictureProblemText(loaded.problem))));
            continue;
        }
        const QImage &albumImage = loaded.albumImage;
        if (position < 0) {
            m_album.append(albumImage, bestFit);
            m_selection.selectEntry(m_album.count() - 1);
        } else {
            // Each one goes after the one before it, all before the entry
            // that was selected.
            m_album.insert(position, albumImage, bestFit);
            m_selection.selectEntry(position++);
        }
        m_album.setModified(true);
        ++imported;
    }
    // One box for the whole choice, however many pictures failed.
    if (!failures.isEmpty())
        m_dialogs.tell(QMessageBox::Critical, AlbumEditorCaption, failures.join(QLatin1Char('\n')));
    return imported;
}

void ImageCommands::add()
{
    const QStringList paths = m_dialogs.choosePictures();
    if (!paths.isEmpty())
        addPictures(paths, -1);
}

void ImageCommands::insert()
{
    const QStringList paths = m_dialogs.choosePictures();
    // The selection is read only now: the dialog may have taken a while.
    if (!paths.isEmpty())
        addPictures(paths, m_selection.selectedIndex());
}

void ImageCommands::remove()
{
    int selected = m_selection.selectedIndex();
    if (selected < 0)
        return;
    m_album.remove(selected);
    if (selected == m_album.count())
        --selected;
    if (selected >= 0)
        m_selection.selectEntry(selected);
    m_album.setModified(true);
}

void ImageCommands::moveUp()
{
    const int selected = m_selection.selectedIndex();
    if (selected < 1)
        return;
    m_album.exchange(selected, selected - 1);
    m_selection.selectEntry(selected - 1);
    m_album.setModified(true);
}

void ImageCommands::moveDown()
{
    const int selected = m_selection.selectedIndex();
    if (selected < 0 || selected >= m_album.count() - 1)
        return;
    m_album.exchange(selected, selected + 1);
    m_selection.selectEntry(selected + 1);
    m_album.setModified(true);
}
