// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testalbums.h"

#include "qtimage/imagerecord.h"

#include <QFile>
#include <QTemporaryDir>

AlbumWriteResult EncodeAlbum(const QList<QImage> &images, const QString &passwordText, const ImageCompressor &compress)
{
    return EncodeAlbumRecords(
        static_cast<int>(images.size()), [&](int index) { return RecordOfImage(images.at(index), compress); },
        passwordText.toStdString());
}

AlbumWriteResult WriteAlbumFile(const QString &path, const QList<QImage> &images, const QString &passwordText,
                                const ImageCompressor &compress)
{
    return SaveAlbum(path, EncodeAlbum(images, passwordText, compress));
}

QList<QImage> FullAlbumOf(SamplePicture kind)
{
    // Adds up record sizes the way the writer does, compressing each picture
    // once, and stops at the first picture that would cross the limit.
    QList<QImage> images;
    std::int64_t fileSize = AlbumHeaderSize;
    for (std::uint32_t seed = 1; images.size() < MaxImagesPerRead; ++seed) {
        images.append(MakeSamplePicture(kind, seed));
        const ImageRecord record = RecordOfImage(images.back());
        fileSize += record.recordSize();
        if (record.failure != AlbumWriteFailure::None || fileSize > AlbumSizeLimit)
            break;
    }
    return images;
}

QByteArray AsByteArray(const std::vector<std::uint8_t> &bytes)
{
    return {reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

AlbumFileContents ParseAlbumBytes(const QByteArray &bytes)
{
    AlbumFileContents contents;
    contents.bytes.assign(bytes.begin(), bytes.end());
    static_cast<AlbumRecords &>(contents) = ParseAlbum(contents.bytes);
    return contents;
}

QByteArray ReadFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString WriteTemporaryFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    if (!dir.isValid())
        return {};
    const QString path = dir.filePath(name);
    return WriteFileBytes(path, bytes) ? path : QString();
}
