// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturefile.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>

struct CheckedJpeg
{
    enum class Outcome {
        Decoded,     // `picture` holds the picture, as stored (no EXIF orientation applied)
        Damaged,     // pixel data is missing or unusable: refuse it as IsDamagedJpeg() would
        Unsupported, // `unsupported`: a kind of JPEG libjpeg does not decode; no reader will
        NotHandled,  // a colour model, size or header left to the image reader (CMYK, YCCK, unreadable)
    };
    Outcome outcome = Outcome::NotHandled;
    QImage picture;
    QSize size; // the full size the header gives, once it was read
    UnsupportedJpeg unsupported = UnsupportedJpeg::Other;
};

// Decodes a whole JPEG file in one pass that is the damage check too: the
// same warnings that make IsDamagedJpeg() true give Damaged here. Once the
// header is read, `scale` is asked for the reduction at that full size: 1, 2,
// 4 or 8, and anything else leaves the file NotHandled. The pixels and colour
// space are those of Qt's reader asked for the same size (at full quality
// when reduced): RGB32, or Grayscale8 for a grey JPEG.
CheckedJpeg DecodeCheckedJpeg(QByteArrayView file, const DecodeReduction &scale);
