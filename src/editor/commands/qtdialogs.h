// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/commands/dialogseam.h"

#include <QFileDialog>
#include <QPointer>

class QWidget;

// The open and save dialogs for albums. A name typed without an extension gets
// ".valbum" while album files are the filter and is taken as typed under "All
// files". Each one starts again in the folder of the file last chosen in it.
class AlbumFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    AlbumFileDialog(QWidget *parent, AcceptMode mode);

    // The file accepted the last time the dialog closed; empty when cancelled.
    const QString &chosenFile() const { return m_chosenFile; }

protected:
    void accept() override;
    void done(int result) override;

private:
    void followFilter(const QString &filter);

    QString m_chosenFile;
};

// The real dialogs and message boxes, owned by the window. The file dialogs
// live as long as the window so each keeps its folder and filter for the run.
class QtDialogs : public DialogSeam
{
public:
    explicit QtDialogs(QWidget *owner);

    QString chooseAlbumToOpen() override;
    QString chooseAlbumToSave() override;
    PictureChoice choosePictures() override;
    QMessageBox::StandardButton ask(const QString &caption, const QString &text) override;
    void tell(QMessageBox::Icon icon, const QString &caption, const QString &text) override;

    // What the picture dialog shows as chosen now, as choosePictures() hands it over.
    ConversionOptions pictureConversion() const;
    bool pictureBestFit() const;

    AlbumFileDialog *openDialog();
    AlbumFileDialog *saveDialog();
    QFileDialog *pictureDialog();

private:
    QWidget *m_owner;
    QPointer<AlbumFileDialog> m_openDialog;
    QPointer<AlbumFileDialog> m_saveDialog;
    QPointer<QFileDialog> m_pictureDialog;
};

// The album dialogs' filters: album files first and preselected, then all files.
QStringList AlbumNameFilters();
