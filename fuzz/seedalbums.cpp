// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a handful of small, valid albums into the folder given, as a starting
// corpus for the album reader fuzzer: valid LZO streams are hard to come upon
// by mutation alone, so the fuzzer starts from real records and breaks them.

#include "albumfile/albumfile.h"
#include "qtimage/albumbitmap.h"
#include "support/testalbums.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <array>
#include <cstdio>
#include <random>

namespace {

QImage stripes()
{
    QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (int y = 0; y < AlbumImageSide; ++y)
        for (int x = 0; x < AlbumImageSide; ++x)
            image.setPixel(x, y, qRgb((x * 11 + y * 3) % 256, (x * 11 + y * 3) % 256, (x * 11 + y * 3) % 256));
    return image;
}

bool writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

bool writeSeed(const QDir &dir, const QString &name, const QList<QImage> &images, const QString &password)
{
    const AlbumWriteResult encoded = EncodeAlbum(images, password);
    return encoded.ok && writeFile(dir, name, AsByteArray(encoded.bytes));
}

void appendRecord(QByteArray &album, const QByteArray &payload)
{
    std::array<char, 4> header{};
    qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(payload.size() + 2), header.data());
    album.append(header.data(), static_cast<qsizetype>(header.size()));
    album.append(payload);
}

// Records at the edge of the reader's buffer, which a mutation seldom grows
// an input into: the largest stream a compressor makes of a packed image
// (bytes with no structure, which no picture gives), then a record whose
// payload fills the buffer exactly, that stream with zeros after it.
bool writeLargestRecords(const QDir &dir, const QString &name)
{
    std::mt19937 random(1);
    PackedImage packed{};
    for (auto &byte : packed)
        byte = static_cast<std::uint8_t>(random());
    std::vector<std::uint8_t> compressed;
    if (CompressImage(packed, compressed) == 0)
        return false;
    const QByteArray stream(reinterpret_cast<const char *>(compressed.data()),
                            static_cast<qsizetype>(compressed.size()));

    std::array<char, AlbumHeaderSize> header{};
    qToLittleEndian<std::uint32_t>(AlbumMagic, header.data());
    QByteArray album(header.data(), static_cast<qsizetype>(header.size()));
    appendRecord(album, stream);
    appendRecord(album, stream + QByteArray(static_cast<qsizetype>(CompressedImageCapacity) - stream.size(), '\0'));
    return writeFile(dir, name, album);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    if (!InitCompression()) {
        std::fprintf(stderr, "the compression library does not initialise\n");
        return 1;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok =
        writeSeed(dir, QStringLiteral("empty.valbum"), {}, QString())
        && writeSeed(dir, QStringLiteral("one-solid.valbum"), {SolidImage(qRgb(0, 0, 0))}, QStringLiteral("1"))
        && writeSeed(dir, QStringLiteral("greys.valbum"),
                     {SolidImage(qRgb(40, 40, 40)), SolidImage(qRgb(120, 120, 120)), SolidImage(qRgb(250, 250, 250))},
                     QStringLiteral("99999999"))
        && writeSeed(dir, QStringLiteral("stripes.valbum"), {stripes()}, QStringLiteral("$1234"))
        && writeSeed(dir, QStringLiteral("noise-and-solid.valbum"), {NoisyImage(7), SolidImage(qRgb(180, 180, 180))},
                     QStringLiteral("00012345"))
        && writeLargestRecords(dir, QStringLiteral("largest-records.valbum"));
    return ok ? 0 : 1;
}
