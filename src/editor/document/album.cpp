// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/document/album.h"

#include "editor/translationcontexts.h"

#include "messages/albumtexts.h"

#include "album/password.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/imagerecord.h"

#include <algorithm>
#include <utility>

Album::Album(QObject *parent)
    : QAbstractListModel(parent)
{
}

int Album::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant Album::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == ImageRole || role == Qt::DecorationRole)
        return m_images.at(index.row());
    // Read out as a sighted user reads the entry's label.
    if (role == Qt::AccessibleTextRole)
        return MainWindow::tr("Image %1").arg(ImageLabel(index.row()));
    if (role == Qt::AccessibleDescriptionRole && m_entryNote)
        return m_entryNote(index.row());
    return {};
}

void Album::append(const QImage &image, const std::optional<ConversionOptions> &bestFit)
{
    insert(count(), image, bestFit);
}

void Album::insert(int position, const QImage &image, const std::optional<ConversionOptions> &bestFit)
{
    const int row = qBound(0, position, count());
    beginInsertRows(QModelIndex(), row, row);
    m_images.insert(row, image);
    m_bestFit.insert(row, bestFit);
    endInsertRows();
}

void Album::remove(int index)
{
    if (index < 0 || index >= count())
        return;
    beginRemoveRows(QModelIndex(), index, index);
    m_images.removeAt(index);
    m_bestFit.removeAt(index);
    endRemoveRows();
}

void Album::removeAll()
{
    if (m_images.isEmpty())
        return;
    beginResetModel();
    m_images.clear();
    m_bestFit.clear();
    endResetModel();
}

void Album::exchange(int first, int second)
{
    if (first < 0 || second < 0 || first >= count() || second >= count() || first == second)
        return;
    m_images.swapItemsAt(first, second);
    m_bestFit.swapItemsAt(first, second);
    emit dataChanged(index(first), index(first));
    emit dataChanged(index(second), index(second));
}

bool Album::hasBestFit() const
{
    return std::any_of(m_bestFit.cbegin(), m_bestFit.cend(), [](const auto &options) { return options.has_value(); });
}

void Album::setPasswordText(const QString &text)
{
    if (text == m_passwordText)
        return;
    m_passwordText = text;
    emit passwordTextChanged(m_passwordText);
}

void Album::setCurrentPath(const QString &path)
{
    m_currentPath = path;
}

void Album::setModified(bool modified)
{
    m_modified = modified;
    emit stateRefreshed(modified);
}

void ApplyAlbumFile(Album &album, const AlbumFileContents &contents, const QString &path)
{
    if (contents.outcome != AlbumReadOutcome::Read)
        return;
    album.setPasswordText(QString::fromStdString(PasswordTextFromStored(contents.password)));
    // The editor's edge between records and pictures: it shows every image,
    // so each record is decoded here, once.
    for (std::size_t index = 0; index < contents.records.size(); ++index)
        album.append(DecodeRecordImage(contents.payload(index)));
    album.setCurrentPath(path);
}

AlbumFileContents ReadAlbum(Album &album, const QString &path)
{
    AlbumFileContents contents = ReadAlbumFile(path);
    ApplyAlbumFile(album, contents, path);
    return contents;
}

AlbumWriteResult WriteAlbum(const Album &album, const QString &path, const ImageRecordSource &recordAt)
{
    return SaveAlbum(path, EncodeAlbumRecords(album.count(), recordAt, album.passwordText().toStdString()));
}
