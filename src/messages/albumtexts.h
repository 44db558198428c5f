// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumreader.h"
#include "album/albumwriter.h"

#include <QString>

#include <optional>

// What the editor and valbum both say about albums, in one place. Each front
// end builds its own messages around these.

// The label an image goes by, in the window and in messages: its position,
// at least three digits ("007", "1234").
QString ImageLabel(int index);

// The size limit as people read it, in the spoken language: "81,920".
QString AlbumSizeLimitText();

// A file that is not an album.
QString NotAnAlbumMessage();

// "Cannot open file "<path>". <reason>", with trailing periods and blanks cut
// from the system's reason.
QString CannotOpenMessage(const QString &path, const QString &reason);

// "1 image", "12 images": counts of images go without separators, as their
// labels do. English in every language: valbum's result lines, which
// scripts read, say it.
QString ImageCount(qint64 count);

// "1 image was read", "12 images were read".
QString ImagesReadClause(qsizetype count);

// What a stop means, as a clause: "a record runs past the end of the file".
// Empty for None.
QString ReadStopReason(AlbumReadStop stop);

// How an album that could be read only in part is damaged: "damaged: 3
// images were read, and the rest of the file could not be read (<the stop's
// reason>)", the reason followed by ", at offset N" when an offset is given.
QString AlbumDamageClause(qsizetype imagesRead, AlbumReadStop stop, std::optional<qint64> offset = std::nullopt);

// "<path> is full (81920 bytes at most)": an album that cannot take all it was given.
QString AlbumFullClause(const QString &path);

// Why an album could not be made or saved: the image that failed, or the
// system's reason for a file that could not be written.
QString AlbumWriteFailureReason(const AlbumWriteResult &result);

// The message box text rule: a period (the spoken language's: "." or "。")
// is appended when the text is not empty, does not end with one, and its last
// character sorts after '.'.
QString WithClosingPeriod(const QString &text);
