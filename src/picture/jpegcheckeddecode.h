// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QImage>

struct CheckedJpeg
{
    enum class Outcome {
        Decoded,    // `picture` holds the picture, as stored (no EXIF orientation applied)
        Damaged,    // the data ends early or does not decode: refuse it as IsDamagedJpeg() would
        NotHandled, // a colour model or header left to the image reader (CMYK, YCCK, unreadable)
    };
    Outcome outcome = Outcome::NotHandled;
    QImage picture;
};

// Decodes a whole JPEG file at 1/`scale` of its size (1, 2, 4 or 8) in one
// pass that is the damage check too: the same warnings that make
// IsDamagedJpeg() true give Damaged here. The pixels and colour space are
// those of Qt's reader asked for the same size (at full quality when reduced):
// RGB32, or Grayscale8 for a grey JPEG.
CheckedJpeg DecodeCheckedJpeg(QByteArrayView file, int scale);
