// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "albumfile/albumfile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

namespace {

// The reason a save failed. QSaveFile reports a failure of its final flush,
// sync or rename without a reason ("Unknown error"), while errno, taken
// right after the failing call, still holds the system's.
QString systemReason(const QFileDevice &file, int errorNumber)
{
    if (file.error() != QFileDevice::NoError && file.errorString() != QStringLiteral("Unknown error"))
        return file.errorString();
    return errorNumber != 0 ? qt_error_string(errorNumber) : file.errorString();
}

// Writes `bytes` to `path` so that the file is replaced only once all of them
// are safely written. Returns the system's reason on failure.
QString saveAtomically(const QString &path, const std::vector<std::uint8_t> &bytes)
{
    // Unbuffered, a failing write reports the system's reason itself rather
    // than leaving it to a flush inside commit().
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    errno = 0;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char *>(bytes.data()), size) != size) {
        const QString reason = systemReason(file, errno);
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit())
        return systemReason(file, errno);
    return {};
}

} // namespace

AlbumFileContents ReadAlbumFile(const QString &path)
{
    AlbumFileContents contents;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.outcome = AlbumReadOutcome::OpenFailed;
        contents.errorString = file.errorString();
        return contents;
    }
    const qint64 fileSize = file.size();
    // The reader never looks past MaxAlbumBytesRead, so a huge file costs no more.
    const qint64 wanted = std::clamp<qint64>(fileSize, 0, MaxAlbumBytesRead);
    contents.bytes.resize(static_cast<std::size_t>(wanted));
    const qint64 read = std::max<qint64>(file.read(reinterpret_cast<char *>(contents.bytes.data()), wanted), 0);
    contents.bytes.resize(static_cast<std::size_t>(read));
    // A file that shrank while being read is as long as what it gave.
    static_cast<AlbumRecords &>(contents) = ParseAlbum(contents.bytes, read < wanted ? read : fileSize);
    return contents;
}

AlbumWriteResult SaveAlbum(const QString &path, AlbumWriteResult encoded)
{
    if (!encoded.ok)
        return encoded;
    const QString reason = saveAtomically(path, encoded.bytes);
    if (!reason.isEmpty()) {
        encoded.ok = false;
        encoded.failure = AlbumWriteFailure::FileNotWritten;
        encoded.errorString = reason.toStdString();
    }
    return encoded;
}
