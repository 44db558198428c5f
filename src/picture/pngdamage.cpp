// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include <QtEndian>

#include <zlib.h>

namespace {

// A PNG file: the 8-byte signature, then chunks of a 4-byte length, a 4-byte
// type, the data and a CRC-32 of type and data, up to and including IEND.
constexpr QByteArrayView Signature("\x89PNG\r\n\x1a\n", 8);
constexpr qsizetype ChunkFraming = 12; // length, type, CRC
constexpr quint32 LargestChunk = 0x7FFFFFFF;

quint32 readU32(QByteArrayView file, qsizetype at)
{
    return qFromBigEndian<quint32>(file.data() + at);
}

} // namespace

// Every chunk must be whole and carry its right checksum, and the file must
// reach its end chunk: that finds a file cut short and stored bytes that
// changed, at the cost of a checksum rather than a second decode. Damage in
// the compressed rows that the checksums do not show makes Qt's reader fail,
// which the import reports as damage too.
bool IsDamagedPng(QByteArrayView file)
{
    if (!file.startsWith(Signature))
        return false; // not for this check to judge
    qsizetype at = Signature.size();
    while (true) {
        if (file.size() - at < ChunkFraming)
            return true;
        const quint32 length = readU32(file, at);
        if (length > LargestChunk || file.size() - at - ChunkFraming < qsizetype(length))
            return true;
        const QByteArrayView typeAndData = file.sliced(at + 4, 4 + qsizetype(length));
        const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(typeAndData.data()),
                                static_cast<uInt>(typeAndData.size()));
        if (crc != readU32(file, at + 8 + qsizetype(length)))
            return true;
        if (typeAndData.first(4) == QByteArrayView("IEND"))
            return false;
        at += ChunkFraming + qsizetype(length);
    }
}
