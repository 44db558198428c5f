// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/albumsplit.h"

#include "cli/interruption.h"
#include "cli/pendingoutputs.h"
#include "cli/valbumtexts.h"
#include "messages/albumtexts.h"

#include <utility>

AlbumFiller::Outcome AlbumFiller::add(const ImageRecord &record)
{
    if (m_failed)
        return Outcome::Failed;
    // The writer decides, so the split follows its placing exactly: the
    // records placed so far go in as one record of their whole size, then
    // this one. Whether it is written, ends the album or fails it is what
    // EncodeAlbumRecords would do with it after them.
    ImageRecord placed;
    if (m_size > AlbumHeaderSize)
        placed.payload.resize(static_cast<std::size_t>(m_size - AlbumHeaderSize - RecordHeaderSize));
    const int before = m_size > AlbumHeaderSize ? 1 : 0;
    const AlbumWriteResult trial =
        EncodeAlbumRecords(before + 1, [&](int index) { return index < before ? placed : record; }, {});
    if (!trial.ok) {
        m_records.push_back(record);
        m_failed = true;
        return Outcome::Failed;
    }
    if (trial.imagesWritten == before)
        return Outcome::Full;
    m_size += record.recordSize();
    m_records.push_back(record);
    return Outcome::Added;
}

AlbumWriteResult AlbumFiller::encode(const QString &passwordText) const
{
    return EncodeAlbumRecords(
        static_cast<int>(m_records.size()), [this](int index) { return m_records[static_cast<std::size_t>(index)]; },
        passwordText.toStdString());
}

SplitAlbumWriter::SplitAlbumWriter(const QString &path, const QString &passwordText, PendingOutputs &outputs,
                                   Written written)
    : m_path(path)
    , m_passwordText(passwordText)
    , m_outputs(outputs)
    , m_written(std::move(written))
{
}

void SplitAlbumWriter::add(const ImageRecord &record)
{
    if (stopped())
        return;
    AlbumFiller::Outcome outcome = m_album.add(record);
    if (outcome == AlbumFiller::Outcome::Full && m_album.imageCount() > 0) {
        writeAlbum();
        if (stopped())
            return;
        outcome = m_album.add(record);
    }
    if (outcome == AlbumFiller::Outcome::Full) {
        // An image too big for an empty album cannot be placed anywhere; the
        // compressor refuses those, so this only guards against an endless run.
        m_encodingProblem = Valbum::tr("image %1 does not fit in an album of its own").arg(m_firstImage);
    } else if (outcome == AlbumFiller::Outcome::Failed) {
        AlbumWriteResult encoded = m_album.encode(m_passwordText);
        encoded.failedImage += m_firstImage;
        m_encodingProblem =
            Valbum::tr("album %1: %2").arg(QString::number(m_parts.size() + 1), AlbumWriteFailureReason(encoded));
    }
}

void SplitAlbumWriter::finish()
{
    if (!stopped())
        writeAlbum();
}

void SplitAlbumWriter::writeAlbum()
{
    const QString finalPath = partPath(m_path, m_parts.size() + 1);
    QString reason;
    const QString temporary = m_outputs.reserve(finalPath, reason);
    if (temporary.isEmpty()) {
        m_writeProblem = QStringLiteral("%1: %2").arg(finalPath, reason);
        return;
    }
    const AlbumWriteResult written = [&] {
        // The save writes a file of its own beside the temporary one: an
        // interruption waits until it is renamed.
        const auto hold = holdOffInterruption();
        return SaveAlbum(temporary, m_album.encode(m_passwordText));
    }();
    if (!written.ok) {
        m_writeProblem = QStringLiteral("%1: %2").arg(finalPath, AlbumWriteFailureReason(written));
        return;
    }
    const AlbumPart part{m_firstImage, written.imagesWritten};
    m_parts.append(part);
    m_firstImage += written.imagesWritten;
    m_album = AlbumFiller();
    // A taken name stops the run once the albums are counted; every album
    // that follows stays under its temporary name until then.
    QString problem;
    const PendingOutputs::Commit commit = m_outputs.commit(problem);
    if (commit == PendingOutputs::Commit::Failed)
        m_writeProblem = problem;
    else if (commit == PendingOutputs::Commit::Done && m_written)
        m_written(finalPath, part);
}

QString partPath(const QString &path, qsizetype part)
{
    const QString extension = QLatin1Char('.') + QLatin1String(AlbumSuffix);
    QString stem = path;
    if (stem.endsWith(extension, Qt::CaseInsensitive))
        stem.chop(extension.size());
    return QStringLiteral("%1-%2%3").arg(stem, QString::number(part), extension);
}

QStringList partPaths(const QString &path, qsizetype partCount)
{
    QStringList paths;
    for (qsizetype part = 1; part <= partCount; ++part)
        paths.append(partPath(path, part));
    return paths;
}
