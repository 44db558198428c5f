#pragma once

#include "dialogseam.h"

#include <QPointer>

class QFileDialog;
class QWidget;

// The real dialogs and message boxes, owned by the window. The file dialogs
// live as long as the window so each starts in the folder last chosen in it.
class QtDialogs : public DialogSeam
{
public:
    explicit QtDialogs(QWidget *owner);

    QString chooseAlbumToOpen() override;
    QString chooseAlbumToSave() override;
    QString choosePicture() override;
    QMessageBox::StandardButton ask(const QString &caption, const QString &text) override;
    void tell(QMessageBox::Icon icon, const QString &caption, const QString &text) override;

    QFileDialog *openDialog();
    QFileDialog *saveDialog();
    QFileDialog *pictureDialog();

private:
    QWidget *m_owner;
    QPointer<QFileDialog> m_openDialog;
    QPointer<QFileDialog> m_saveDialog;
    QPointer<QFileDialog> m_pictureDialog;
};

// The album dialogs' filters: album files first and preselected, then all files.
QStringList AlbumNameFilters();
