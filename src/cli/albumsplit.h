// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "qtimage/albumbitmap.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class PendingOutputs;

// The records of one album, taken in order while they fit: the same records
// EncodeAlbumRecords places when given these and whatever follows them.
class AlbumFiller
{
public:
    enum class Outcome {
        Added,
        Full,   // the record does not fit: the album ends before it
        Failed, // the record failed where it would have been placed; encode() names it
    };

    Outcome add(const ImageRecord &record);
    int imageCount() const { return static_cast<int>(m_records.size()) - (m_failed ? 1 : 0); }
    // The album's bytes, exactly as EncodeAlbumRecords makes them.
    AlbumWriteResult encode(const QString &passwordText) const;

private:
    std::vector<ImageRecord> m_records;
    qint64 m_size = AlbumHeaderSize;
    bool m_failed = false;
};

// One album of a run that is split to keep every image.
struct AlbumPart
{
    int firstImage = 0;
    int imageCount = 0;
};

// Fills albums one after another with records given in order, each up to the
// size limit, and writes each one as soon as the next record does not fit it,
// through `outputs` under its final name (partPaths), then hands it to
// `written`. Once a final name is found taken, the albums are still counted
// but no longer committed or handed over. Only the current album's records
// are kept. No images give one album, holding only the password.
class SplitAlbumWriter
{
public:
    using Written = std::function<void(const QString &finalPath, const AlbumPart &part)>;
    SplitAlbumWriter(const QString &path, const QString &passwordText, PendingOutputs &outputs, Written written);

    // Does nothing once something has gone wrong.
    void add(const ImageRecord &record);
    // Writes the last album.
    void finish();

    const QList<AlbumPart> &parts() const { return m_parts; }
    // Why the images could not be made into albums, "album 2: ..."; empty when they could.
    const QString &encodingProblem() const { return m_encodingProblem; }
    // "<final path>: <reason>" when an album could not be written; empty when all were.
    const QString &writeProblem() const { return m_writeProblem; }

private:
    bool stopped() const { return !m_encodingProblem.isEmpty() || !m_writeProblem.isEmpty(); }
    void writeAlbum();

    QString m_path;
    QString m_passwordText;
    PendingOutputs &m_outputs;
    Written m_written;
    AlbumFiller m_album;
    int m_firstImage = 0;
    QList<AlbumPart> m_parts;
    QString m_encodingProblem;
    QString m_writeProblem;
};

// The names the parts are written under: "photos.valbum" (or "photos") with
// three parts gives photos-1.valbum, photos-2.valbum and photos-3.valbum.
QStringList partPaths(const QString &path, qsizetype partCount);
// The name of part `part` (from 1) alone.
QString partPath(const QString &path, qsizetype part);
