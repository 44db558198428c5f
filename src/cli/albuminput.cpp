// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/albuminput.h"
#include "cli/valbumtexts.h"

#include "messages/albumtexts.h"

AlbumInput readAlbumInput(const QString &path)
{
    AlbumInput input;
    input.path = path;
    input.contents = ReadAlbumFile(path);
    const AlbumFileContents &contents = input.contents;

    switch (contents.outcome) {
    case AlbumReadOutcome::OpenFailed:
        input.failureKind = QStringLiteral("cannot_open");
        input.problems.append(WithClosingPeriod(CannotOpenMessage(path, contents.errorString)));
        return input;
    case AlbumReadOutcome::NotAnAlbum:
        // The editor keeps its own sentence; a shell user gets plain words.
        input.failureKind = QStringLiteral("not_an_album");
        input.problems.append(Valbum::tr("%1 is not an album.").arg(path));
        return input;
    case AlbumReadOutcome::Read:
        break;
    }

    if (!contents.whole()) {
        //: %2 is "damaged: 3 images were read, and the rest of the file could not be read (...)".
        input.damage = Valbum::tr("%1: the album is %2.")
                           .arg(path, AlbumDamageClause(contents.records.size(), contents.stop, contents.stopOffset));
        input.problems.append(input.damage);
    }
    return input;
}

QString readStopKey(AlbumReadStop stop)
{
    switch (stop) {
    case AlbumReadStop::None:
        break;
    case AlbumReadStop::RecordPastEnd:
        return QStringLiteral("record_past_end");
    case AlbumReadStop::RecordTooShort:
        return QStringLiteral("record_too_short");
    case AlbumReadStop::PayloadTooLarge:
        return QStringLiteral("payload_too_large");
    case AlbumReadStop::NotDecompressible:
        return QStringLiteral("not_decompressible");
    case AlbumReadStop::BytesLeftOver:
        return QStringLiteral("bytes_left_over");
    case AlbumReadStop::ImageCap:
        return QStringLiteral("image_cap");
    }
    return {};
}

QStringList readStopKeys()
{
    QStringList keys;
    for (const AlbumReadStop stop :
         {AlbumReadStop::RecordPastEnd, AlbumReadStop::RecordTooShort, AlbumReadStop::PayloadTooLarge,
          AlbumReadStop::NotDecompressible, AlbumReadStop::BytesLeftOver, AlbumReadStop::ImageCap})
        keys.append(readStopKey(stop));
    return keys;
}
