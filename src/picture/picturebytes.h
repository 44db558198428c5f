// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// A picture file read whole into memory, once, whether it comes from a
// regular file or a stream (a pipe, a FIFO, a process substitution): the
// damage checks and the decoders then judge the same bytes either way.
struct PictureBytes
{
    enum class Outcome {
        Read,
        TooLarge, // more than MaxPictureFileBytes; reading stopped there
        Failed,   // error: the device's reason
    };
    Outcome outcome = Outcome::Read;
    QByteArray bytes;
    QString error;
};

// Reads the rest of `device` from its current position.
PictureBytes ReadPictureBytes(QIODevice &device);
