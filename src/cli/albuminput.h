// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"

#include <QString>
#include <QStringList>

// An album file read for a command, with every reason the read fell short.
struct AlbumInput
{
    QString path;
    AlbumFileContents contents;
    // Why not every byte of the file became an image, as lines for the user;
    // empty when the whole album was read.
    QStringList problems;
    // The line among `problems` that says where an album that opened is
    // damaged; empty when it was read to its end.
    QString damage;

    // The file is an album and `contents` holds the images before any stop.
    bool opened() const { return contents.outcome == AlbumReadOutcome::Read; }
    bool complete() const { return problems.isEmpty(); }
};

// Reads `path` with the editor's reader. Any read that ends before the end of
// the file is a problem: whoever rescues images from the file must know that
// more was there.
AlbumInput readAlbumInput(const QString &path);

// A stop's name for scripts, one per way reading can stop ("record_past_end");
// empty for None. The names are part of valbum's output: never rename them.
QString readStopKey(AlbumReadStop stop);

// Every stop's key, in the order the reader checks for them, for help texts.
QStringList readStopKeys();
