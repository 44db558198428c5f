// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/albumreader.h"

#include "album/compression.h"
#include "codec/pixelcodec.h"

#include <QFile>
#include <QtEndian>

#include <array>

namespace {

template <typename T>
bool readLittleEndian(QIODevice &device, T &value)
{
    std::array<char, sizeof(T)> bytes{};
    if (device.read(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        return false;
    value = qFromLittleEndian<T>(bytes.data());
    return true;
}

void stopAt(AlbumFileContents &contents, AlbumReadStop stop, qint64 offset)
{
    contents.stop = stop;
    contents.stopOffset = offset;
}

} // namespace

AlbumFileContents ParseAlbum(QIODevice &device)
{
    AlbumFileContents contents;
    const qint64 size = device.size();
    contents.fileSize = size;

    std::uint32_t magic = 0;
    if (size < AlbumHeaderSize || !readLittleEndian(device, magic) || magic != AlbumMagic
        || !readLittleEndian(device, contents.password)) {
        contents = AlbumFileContents{};
        contents.outcome = AlbumReadOutcome::NotAnAlbum;
        contents.fileSize = size;
        return contents;
    }

    std::vector<std::uint8_t> payload(CompressedImageCapacity);
    PackedImage packed{};
    qint64 position = AlbumHeaderSize;

    // A record is started only while more than eight bytes remain; no real
    // record is that short, so fewer left over are damage too.
    while (position < size - AlbumHeaderSize && contents.images.size() < MaxImagesPerRead) {
        const qint64 recordOffset = position;
        std::uint16_t length = 0;
        if (!readLittleEndian(device, length)) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        position += 2;
        // `length` counts the reserved field and the payload.
        if (position + length > size) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        if (length < ReservedFieldSize) {
            stopAt(contents, AlbumReadStop::RecordTooShort, recordOffset);
            return contents;
        }
        const qint64 payloadSize = length - ReservedFieldSize;
        if (payloadSize > static_cast<qint64>(CompressedImageCapacity)) {
            stopAt(contents, AlbumReadStop::PayloadTooLarge, recordOffset);
            return contents;
        }
        if (!device.skip(ReservedFieldSize)
            || device.read(reinterpret_cast<char *>(payload.data()), payloadSize) != payloadSize) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        position += length;

        if (DecompressImage(std::span(payload.data(), static_cast<std::size_t>(payloadSize)), packed) == 0) {
            stopAt(contents, AlbumReadStop::NotDecompressible, recordOffset);
            return contents;
        }
        QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
        DecodeImage(packed, image);
        contents.images.append(std::move(image));
        contents.records.push_back({recordOffset, static_cast<int>(payloadSize)});
    }
    if (position < size)
        stopAt(contents,
               contents.images.size() >= MaxImagesPerRead ? AlbumReadStop::ImageCap : AlbumReadStop::BytesLeftOver,
               position);
    return contents;
}

AlbumFileContents ReadAlbumFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        AlbumFileContents contents;
        contents.outcome = AlbumReadOutcome::OpenFailed;
        contents.errorString = file.errorString();
        return contents;
    }
    return ParseAlbum(file);
}
