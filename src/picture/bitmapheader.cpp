// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/bitmapheader.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {

// Bitmap layout: a 14-byte file header, then an info header whose first
// field is its own length.
constexpr qsizetype FileHeaderSize = 14;
constexpr qsizetype PixelOffsetField = 10;
constexpr quint32 V2InfoHeaderSize = 52; // adds the red, green and blue masks
constexpr quint32 V3InfoHeaderSize = 56; // adds the alpha mask too
constexpr quint32 V4InfoHeaderSize = 108;
constexpr quint32 SrgbColourSpace = 0x73524742; // 'sRGB'

quint32 readU32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

void writeU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToLittleEndian<quint32>(value, bytes.data() + at);
}

} // namespace

bool HasMaskInfoHeader(QIODevice &device)
{
    const QByteArray start = device.peek(FileHeaderSize + 4);
    if (start.size() < FileHeaderSize + 4 || !start.startsWith("BM"))
        return false;
    const quint32 infoSize = readU32(start, FileHeaderSize);
    return infoSize == V2InfoHeaderSize || infoSize == V3InfoHeaderSize;
}

QByteArray WithLongerInfoHeader(const QByteArray &file)
{
    if (file.size() < FileHeaderSize + qsizetype(V2InfoHeaderSize))
        return {};
    const quint32 infoSize = readU32(file, FileHeaderSize);
    if (infoSize != V2InfoHeaderSize && infoSize != V3InfoHeaderSize)
        return {};
    if (file.size() < FileHeaderSize + qsizetype(infoSize))
        return {};

    const qsizetype growth = V4InfoHeaderSize - infoSize;
    QByteArray header(FileHeaderSize + V4InfoHeaderSize, '\0');
    std::memcpy(header.data(), file.constData(), FileHeaderSize + infoSize);
    writeU32(header, FileHeaderSize, V4InfoHeaderSize);
    writeU32(header, FileHeaderSize + V3InfoHeaderSize, SrgbColourSpace);

    // An offset into the old header stays where it was; anything past it
    // moves with the rest of the file. The reader checks the result.
    const quint32 pixelOffset = readU32(file, PixelOffsetField);
    if (pixelOffset >= FileHeaderSize + infoSize && pixelOffset <= 0xFFFFFFFFu - growth)
        writeU32(header, PixelOffsetField, pixelOffset + static_cast<quint32>(growth));

    return header + file.mid(FileHeaderSize + infoSize);
}
