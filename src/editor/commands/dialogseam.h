// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"
#include "editor/picturedialog/keptdecode.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>

// What the picture dialog answers, all at once.
struct PictureChoice
{
    QStringList paths; // empty when cancelled
    // How the pictures come in: what the dialog shows as chosen.
    ConversionOptions conversion;
    // "Best fit" among the greys: the pictures come in with the conversion's
    // placement and tone, their colours kept, and saving chooses their renderings.
    bool bestFit = false;
    // The preview's decode of one of the paths with these choices, when it
    // made one: the image Open adds for that file while it is unchanged.
    std::optional<KeptDecode> preview;
};

// Everything modal the window asks of the user goes through here, so every
// command runs headless in tests with scripted answers. The program uses
// QtDialogs; an empty path means the dialog was cancelled.
class DialogSeam
{
public:
    virtual ~DialogSeam() = default;

    virtual QString chooseAlbumToOpen() = 0;
    virtual QString chooseAlbumToSave() = 0;
    // The picture dialog's whole answer: the pictures, in the order the
    // dialog gives them (none when cancelled), with the choices shown beside
    // them when Open was pressed.
    virtual PictureChoice choosePictures() = 0;

    // A Yes/No question with No as the default button.
    virtual QMessageBox::StandardButton ask(const QString &caption, const QString &text) = 0;

    // A box with an OK button and the given icon.
    virtual void tell(QMessageBox::Icon icon, const QString &caption, const QString &text) = 0;
};
