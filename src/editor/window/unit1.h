// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/commands/albumcommands.h"
#include "editor/commands/dialogseam.h"
#include "editor/commands/imagecommands.h"
#include "editor/document/album.h"
#include "editor/document/albumselection.h"
#include "editor/document/capacitymeter.h"

#include <QIcon>
#include <QWidget>

#include <memory>

class CapacityLabel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// The editor's one window: the thumbnail list on the left, the commands and the
// password field on the right. It owns the album for the whole run and keeps
// the buttons and the caption in step with it. Its controls are its own: the
// commands work on the album, its selection and the dialog seam, and the
// window follows the album's signals.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    // With no seam the window uses the real Qt dialogs.
    explicit TForm1(std::unique_ptr<DialogSeam> dialogs = nullptr, QWidget *parent = nullptr);
    ~TForm1() override;

    Album &album() { return m_album; }
    const Album &album() const { return m_album; }
    DialogSeam &dialogs() { return *m_dialogs; }
    CapacityMeter &capacityMeter() { return *m_meter; }

    // The title the program shows for itself; message boxes are captioned with it.
    const QString &applicationTitle() const { return m_album.title(); }

    // Selected entry, -1 when none.
    int selectedIndex() const { return m_selection->selectedIndex(); }
    void selectEntry(int index) { m_selection->selectEntry(index); }

    void RefreshState(bool modified);
    void ListBox1Click();
    void Edit1Change();

    // Album commands.
    void Button6Click() { m_albumCommands->load(); }
    void Button11Click() { m_albumCommands->append(); }
    void Button7Click() { m_albumCommands->save(); }
    void Button9Click() { m_albumCommands->saveAs(); }
    void OpenAlbumFile(const QString &path) { m_albumCommands->openAlbumFile(path); }

    // Image commands.
    bool ImportPicture(const QString &path, int position) { return ImportPictures({path}, position) == 1; }
    int ImportPictures(const QStringList &paths, int position) { return m_imageCommands->addPictures(paths, position); }
    void Button10Click() { m_imageCommands->add(); }
    void Button4Click() { m_imageCommands->insert(); }
    void Button5Click() { m_imageCommands->remove(); }
    void Button2Click() { m_imageCommands->moveUp(); }
    void Button3Click() { m_imageCommands->moveDown(); }

    void showGeneralError(const QString &message) { m_albumCommands->showGeneralError(message); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void connectSignals();
    void FormShow();
    void showState(bool modified);
    void showCapacity();

    Album m_album;
    std::unique_ptr<DialogSeam> m_dialogs;
    std::unique_ptr<CapacityMeter> m_meter;
    std::unique_ptr<AlbumCommands> m_albumCommands;
    std::unique_ptr<ImageCommands> m_imageCommands;
    bool m_shownOnce = false;
    AlbumSelection *m_selection = nullptr; // the list's, and goes with it

    QListView *ListBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button5 = nullptr;
    QPushButton *Button6 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button9 = nullptr;
    QPushButton *Button10 = nullptr;
    QPushButton *Button11 = nullptr;
    QLabel *Label1 = nullptr;
    CapacityLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
};

// The part of a path after its last separator, or the whole path.
QString FileNamePart(const QString &path);

// The program's icon in every size it is drawn in.
QIcon ApplicationIcon();
