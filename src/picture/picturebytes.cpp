// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturebytes.h"

#include "picture/picturefile.h"

#include <QIODevice>

namespace {

constexpr qint64 StreamChunk = qint64(1) << 20;

PictureBytes TooLarge()
{
    PictureBytes result;
    result.outcome = PictureBytes::Outcome::TooLarge;
    return result;
}

} // namespace

PictureBytes ReadPictureBytes(QIODevice &device)
{
    PictureBytes result;
    if (!device.isSequential()) {
        // A regular file's size is known: too large a file is refused unread.
        const qint64 size = device.bytesAvailable();
        if (size > MaxPictureFileBytes)
            return TooLarge();
        result.bytes.resize(size);
        const qint64 read = device.read(result.bytes.data(), size);
        if (read < 0) {
            result.outcome = PictureBytes::Outcome::Failed;
            result.error = device.errorString();
            return result;
        }
        result.bytes.truncate(read);
        return result;
    }
    // A stream tells its size only at its end: read on until then, or
    // until it has passed the bound.
    while (true) {
        const qsizetype had = result.bytes.size();
        result.bytes.resize(had + StreamChunk);
        const qint64 read = device.read(result.bytes.data() + had, StreamChunk);
        result.bytes.truncate(had + std::max<qint64>(read, 0));
        if (result.bytes.size() > MaxPictureFileBytes)
            return TooLarge();
        // A stream that ends early is judged like a file cut short: by the
        // damage checks, on the bytes that came.
        if (read < 0 || (read == 0 && !device.waitForReadyRead(-1)))
            return result;
    }
}
