// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

// Everything modal the window asks of the user goes through here, so every
// command runs headless in tests with scripted answers. The program uses
// QtDialogs; an empty path means the dialog was cancelled.
class DialogSeam
{
public:
    virtual ~DialogSeam() = default;

    virtual QString chooseAlbumToOpen() = 0;
    virtual QString chooseAlbumToSave() = 0;
    // One or more pictures, in the order the dialog gives them; empty when
    // cancelled.
    virtual QStringList choosePictures() = 0;
    // How pictures are brought in: what the picture dialog shows as chosen.
    virtual ConversionOptions pictureConversion() = 0;
    // Whether the picture dialog has "Best fit" chosen among the greys: the
    // pictures then come in with pictureConversion()'s placement and tone,
    // their colours kept, and saving chooses their renderings.
    virtual bool pictureBestFit() = 0;

    // A Yes/No question with No as the default button.
    virtual QMessageBox::StandardButton ask(const QString &caption, const QString &text) = 0;

    // A box with an OK button and the given icon.
    virtual void tell(QMessageBox::Icon icon, const QString &caption, const QString &text) = 0;
};
