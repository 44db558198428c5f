// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/albumsplit.h"

#include "messages/albumtexts.h"

SplitAlbums splitIntoAlbums(const std::vector<ImageRecord> &records, const QString &passwordText)
{
    SplitAlbums result;
    int start = 0;
    do {
        const int remaining = static_cast<int>(records.size()) - start;
        AlbumWriteResult encoded = EncodeAlbumRecords(
            remaining, [&](int index) { return records[static_cast<std::size_t>(start + index)]; }, passwordText);
        if (!encoded.ok) {
            encoded.failedImage += start;
            result.errorString = QStringLiteral("album %1: %2")
                                     .arg(QString::number(result.parts.size() + 1), AlbumWriteFailureReason(encoded));
            return result;
        }
        // An image too big for an empty album cannot be placed anywhere; the
        // compressor refuses those, so this only guards the loop.
        if (encoded.imagesWritten == 0 && start < static_cast<int>(records.size())) {
            result.errorString = QStringLiteral("image %1 does not fit in an album of its own").arg(start);
            return result;
        }
        const int written = encoded.imagesWritten;
        result.parts.append({std::move(encoded), start});
        start += written;
    } while (start < static_cast<int>(records.size()));
    result.ok = true;
    return result;
}

QStringList partPaths(const QString &path, qsizetype partCount)
{
    const QString extension = QLatin1Char('.') + AlbumSuffix;
    QString stem = path;
    if (stem.endsWith(extension, Qt::CaseInsensitive))
        stem.chop(extension.size());
    QStringList paths;
    for (qsizetype part = 1; part <= partCount; ++part)
        paths.append(QStringLiteral("%1-%2%3").arg(stem, QString::number(part), extension));
    return paths;
}
