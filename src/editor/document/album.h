// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "conversion/conversionoptions.h"
#include "picture/albumbitmap.h"

#include <QAbstractListModel>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The album being edited: its ordered 92 x 92 RGB images, the password text,
// the path on disk and whether there are unsaved changes. It is a list model so
// a view shows each image the moment it is added; the password text has its own
// change signal, sent only when the text really changes.
class Album : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { ImageRole = Qt::UserRole + 1 };

    explicit Album(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_images.size()); }
    const QImage &image(int index) const { return m_images.at(index); }
    const QList<QImage> &images() const { return m_images; }

    // An entry added for best fit holds the picture placed on the square with
    // its colours kept, and the options it was added with; saving renders it
    // in the rendering best fit chooses for it (CapacityMeter).
    void append(const QImage &image, const std::optional<ConversionOptions> &bestFit = {});
    // Inserts before the entry now at `position`; a position at or past the end appends.
    void insert(int position, const QImage &image, const std::optional<ConversionOptions> &bestFit = {});
    // The options entry `index` was added with for best fit; none for a fixed entry.
    const std::optional<ConversionOptions> &bestFit(int index) const { return m_bestFit.at(index); }
    bool hasBestFit() const;
    void remove(int index);
    void removeAll();
    // The two entries stay; only their images (and how each is rendered) change places.
    void exchange(int first, int second);

    // What a screen reader says of entry `index` beyond its name, such as
    // why it will not be saved; none unless set.
    void setEntryNote(std::function<QString(int index)> note) { m_entryNote = std::move(note); }

    const QString &passwordText() const { return m_passwordText; }
    void setPasswordText(const QString &text);

    const QString &currentPath() const { return m_currentPath; }
    void setCurrentPath(const QString &path);

    bool modified() const { return m_modified; }
    // Set after every command, changed or not: the window brings its buttons
    // and caption in step each time (stateRefreshed).
    void setModified(bool modified);

    // The title the album is edited under; message boxes are captioned with it.
    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }

signals:
    void passwordTextChanged(const QString &text);
    void stateRefreshed(bool modified);

private:
    QList<QImage> m_images;
    QList<std::optional<ConversionOptions>> m_bestFit; // one for each image
    QString m_passwordText;
    QString m_currentPath;
    bool m_modified = false;
    QString m_title;
    std::function<QString(int)> m_entryNote;
};

// Appends the file's images to `album` and sets its password text and path.
// Does nothing to `album` unless the outcome is Read.
void ApplyAlbumFile(Album &album, const AlbumFileContents &contents, const QString &path);

// Reads `path` into `album` (ReadAlbumFile, then ApplyAlbumFile).
AlbumFileContents ReadAlbum(Album &album, const QString &path);

// Writes the album's password and images to `path`, each image as
// `recordAt` gives its record (see SaveAlbum).
AlbumWriteResult WriteAlbum(const Album &album, const QString &path, const ImageRecordSource &recordAt);
