// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/document/album.h"
#include "editor/document/capacitymeter.h"
#include "editor/commands/dialogseam.h"

#include <QIcon>
#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// The editor's one window: the thumbnail list on the left, the commands and the
// password field on the right. It owns the album for the whole run and keeps
// the buttons and the caption in step with it.
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
    const QString &applicationTitle() const { return m_applicationTitle; }

    // Selected entry, -1 when none.
    int selectedIndex() const;
    void selectEntry(int index);

    void RefreshState(bool modified);
    void ListBox1Click();
    void Edit1Change();

    // Album commands.
    void Button6Click();  // load
    void Button11Click(); // append
    void Button7Click();  // save
    void Button9Click();  // save as
    // Load's work once a path is known, also for an album named at start-up:
    // reads the file and shows the same messages.
    void OpenAlbumFile(const QString &path);

    // Image commands.
    bool ImportPicture(const QString &path, int position);
    // Brings the pictures in, in order, as ImportPicture would one by one, and
    // names every one that fails in a single box. Returns how many came in.
    int ImportPictures(const QStringList &paths, int position);
    void Button10Click(); // add
    void Button4Click();  // insert
    void Button5Click();  // delete
    void Button2Click();  // move up
    void Button3Click();  // move down

    // A failure that escapes a command: an error box captioned with the
    // application title, its text closed with a period.
    void showGeneralError(const QString &message);

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
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void connectSignals();
    void FormShow();
    bool confirmDiscard();
    void saveTo(const QString &path);
    void showReadMessage(const QString &path, const AlbumFileContents &contents);

    Album m_album;
    std::unique_ptr<DialogSeam> m_dialogs;
    std::unique_ptr<CapacityMeter> m_meter;
    QString m_applicationTitle;
    bool m_shownOnce = false;
};

// The part of a path after its last separator, or the whole path.
QString FileNamePart(const QString &path);

// The program's icon in every size it is drawn in.
QIcon ApplicationIcon();

inline const QString DiscardQuestion = QStringLiteral("Discard unsaved information?");
