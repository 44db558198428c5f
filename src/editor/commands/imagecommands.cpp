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

ImageCommands::ImageCommands(Album &album, AlbumSelection &selection, DialogSeam &dialogs)
    : m_album(album)
    , m_selection(selection)
    , m_dialogs(dialogs)
{
}

int ImageCommands::addPictures(const QStringList &paths, int position)
{
    PictureChoice choice = m_lastChoice;
    choice.paths = paths;
    return addPictures(choice, position);
}

int ImageCommands::addPictures(const PictureChoice &choice, int position)
{
    const ConversionOptions &conversion = choice.conversion;
    // Best fit keeps the placed square in colour; the rendering comes at saving.
    std::optional<ConversionOptions> bestFit;
    if (choice.bestFit)
        bestFit = conversion;
    const ConversionOptions loading = bestFit ? BestFitPlacement(conversion) : conversion;
    QStringList failures;
    int imported = 0;
    for (const QString &path : choice.paths) {
        QImage albumImage;
        if (choice.preview && choice.preview->matches(path, loading)) {
            albumImage = choice.preview->albumImage;
        } else {
            const PictureImport loaded = ImportPicture(path, loading);
            if (!loaded.ok) {
                failures.append(WithClosingPeriod(EditorMessages::tr("Cannot import picture \"%1\". %2")
                                                      .arg(path, PictureProblemText(loaded.problem))));
                continue;
            }
            albumImage = loaded.albumImage;
        }
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
        m_dialogs.tell(QMessageBox::Critical, AlbumEditorCaption(), failures.join(QLatin1Char('\n')));
    return imported;
}

PictureChoice ImageCommands::askForPictures()
{
    PictureChoice choice = m_dialogs.choosePictures();
    // Cancelling leaves the choices as the dialog shows them; they hold for
    // the next pictures too, as the dialog keeps them.
    m_lastChoice.conversion = choice.conversion;
    m_lastChoice.bestFit = choice.bestFit;
    return choice;
}

void ImageCommands::add()
{
    const PictureChoice choice = askForPictures();
    if (!choice.paths.isEmpty())
        addPictures(choice, -1);
}

void ImageCommands::insert()
{
    const PictureChoice choice = askForPictures();
    // The selection is read only now: the dialog may have taken a while.
    if (!choice.paths.isEmpty())
        addPictures(choice, m_selection.selectedIndex());
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
