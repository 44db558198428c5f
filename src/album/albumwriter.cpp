// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/albumwriter.h"

#include "album/password.h"

#include <QSaveFile>
#include <QtEndian>

#include <array>
#include <cerrno>

namespace {

template <typename T>
void appendLittleEndian(QByteArray &out, T value)
{
    std::array<char, sizeof(T)> bytes{};
    qToLittleEndian<T>(value, bytes.data());
    out.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

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
QString saveAtomically(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, a failing write reports the system's reason itself rather
    // than leaving it to a flush inside commit().
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
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

ImageRecord CompressAlbumImage(const QImage &image, const ImageCompressor &compress)
{
    ImageRecord record;
    PackedImage packed{};
    // Album images are 92 x 92; anything else would leave stale bytes in the record.
    if (EncodeImage(image, packed) != PackedImageSize) {
        record.failure = AlbumWriteFailure::ImageNotAlbumSized;
        return record;
    }
    std::vector<std::uint8_t> compressed;
    const std::size_t compressedSize = compress(packed, compressed);
    if (compressedSize == 0 || compressedSize > CompressedImageCapacity || compressed.size() < compressedSize) {
        record.failure = AlbumWriteFailure::ImageNotCompressible;
        return record;
    }
    record.payload =
        QByteArray(reinterpret_cast<const char *>(compressed.data()), static_cast<qsizetype>(compressedSize));
    return record;
}

AlbumWriteResult EncodeAlbumRecords(int count, const ImageRecordSource &recordAt, const QString &passwordText)
{
    AlbumWriteResult result;
    result.imageCount = count;
    result.bytes.reserve(AlbumSizeLimit);
    appendLittleEndian<std::uint32_t>(result.bytes, AlbumMagic);
    appendLittleEndian<std::uint32_t>(result.bytes, StoredPassword(passwordText));

    // The smallest record an image that failed to compress could have had.
    constexpr qint64 SmallestOversizeRecord = RecordHeaderSize + CompressedImageCapacity + 1;
    for (int index = 0; index < count; ++index) {
        const ImageRecord record = recordAt(index);
        if (record.failure == AlbumWriteFailure::ImageNotCompressible
            && result.bytes.size() + SmallestOversizeRecord > AlbumSizeLimit)
            break; // it would have been left out whatever its size
        if (record.failure != AlbumWriteFailure::None) {
            result.failure = record.failure;
            result.failedImage = index;
            result.bytes.clear();
            return result;
        }
        // The record is written only if it ends within the limit; the first
        // one that does not fit ends the album.
        if (result.bytes.size() + record.recordSize() > AlbumSizeLimit)
            break;
        appendLittleEndian<std::uint16_t>(result.bytes,
                                          static_cast<std::uint16_t>(record.payload.size() + ReservedFieldSize));
        appendLittleEndian<std::uint16_t>(result.bytes, 0);
        result.bytes.append(record.payload);
        ++result.imagesWritten;
    }
    result.ok = true;
    return result;
}

AlbumWriteResult SaveAlbum(const QString &path, AlbumWriteResult encoded)
{
    if (!encoded.ok)
        return encoded;
    encoded.errorString = saveAtomically(path, encoded.bytes);
    if (!encoded.errorString.isEmpty()) {
        encoded.ok = false;
        encoded.failure = AlbumWriteFailure::FileNotWritten;
    }
    return encoded;
}
