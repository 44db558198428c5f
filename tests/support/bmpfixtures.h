// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

#include <cstdint>

// Writes the little-endian integers picture files are made of.
class LittleEndian
{
public:
    LittleEndian &u8(unsigned value);
    LittleEndian &u16(unsigned value);
    LittleEndian &u32(std::uint32_t value);
    LittleEndian &i32(std::int32_t value) { return u32(static_cast<std::uint32_t>(value)); }
    LittleEndian &bytes(const QByteArray &more);
    LittleEndian &bytes(std::initializer_list<unsigned> more);
    LittleEndian &zeros(int count);

    QByteArray data;
};

// A hand-made bitmap file and the picture it must load as.
struct BmpFixture
{
    QString name;
    QByteArray file;
    int width = 0;
    int height = 0;
    QList<QRgb> expected; // row by row from the top
    // Largest difference allowed per channel: a 5-bit channel cannot say 255
    // exactly, and readers widen it in different ways.
    int tolerance = 0;
};

// One fixture of each kind of bitmap the import reads: every depth, RLE,
// bit fields, the old 12-byte header and every longer info header, top-down.
QList<BmpFixture> BmpFixtures();

// Two fixtures for damage sweeps: an RLE8 one and a plain 8-bit one.
BmpFixture Rle8Fixture();
BmpFixture Palette8Fixture();

// Any picture as a plain 24-bit, bottom-up bitmap file.
QByteArray Bitmap24(const QImage &picture);
