// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/commands/dialogseam.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <utility>

// A dialog seam for tests: answers come from queues the test fills, and every
// box shown is recorded. An empty queue answers as if the user cancelled
// (empty path) or said No.
class ScriptedDialogs : public DialogSeam
{
public:
    struct Box
    {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
        bool question = false;
    };

    QStringList albumsToOpen;
    QStringList albumsToSave;
    // Single choices; a selection of several comes from pictureSelections,
    // which is used first while it has any.
    QStringList pictures;
    QList<QStringList> pictureSelections;
    QList<QMessageBox::StandardButton> answers;
    ConversionOptions conversion;      // what the picture dialog has chosen
    bool bestFit = false;              // and whether its Greys list has "Best fit"
    std::optional<KeptDecode> preview; // the preview's decode, with the next answer only

    QList<Box> boxes;
    int openDialogsShown = 0;
    int saveDialogsShown = 0;
    int pictureDialogsShown = 0;

    QString chooseAlbumToOpen() override
    {
        ++openDialogsShown;
        return albumsToOpen.isEmpty() ? QString() : albumsToOpen.takeFirst();
    }
    QString chooseAlbumToSave() override
    {
        ++saveDialogsShown;
        return albumsToSave.isEmpty() ? QString() : albumsToSave.takeFirst();
    }
    PictureChoice choosePictures() override
    {
        ++pictureDialogsShown;
        PictureChoice choice{{}, conversion, bestFit, std::exchange(preview, std::nullopt)};
        if (!pictureSelections.isEmpty())
            choice.paths = pictureSelections.takeFirst();
        else if (!pictures.isEmpty())
            choice.paths = QStringList{pictures.takeFirst()};
        return choice;
    }
    QMessageBox::StandardButton ask(const QString &caption, const QString &text) override
    {
        boxes.append({QMessageBox::Question, caption, text, true});
        return answers.isEmpty() ? QMessageBox::No : answers.takeFirst();
    }
    void tell(QMessageBox::Icon icon, const QString &caption, const QString &text) override
    {
        boxes.append({icon, caption, text, false});
    }
};
