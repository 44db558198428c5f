// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Outputs are written whole or not at all: each goes to a temporary file that
// replaces the target only once everything is in it, so a failure never leaves
// a half-written file in place of a good one (see PendingOutputs).

// Reports every name in `paths` that exists already. Returns true when the
// command must stop because of them (some exist and `force` is false).
bool refuseToOverwrite(const QStringList &paths, bool force);
// Says that each of `paths` exists and that nothing was written, as a refusal does.
void reportExisting(const QStringList &paths);

// The bytes of `image` as a file in `format` ("png", "bmp"), to be written
// in one go; empty with `reason` set on failure.
QByteArray encodePicture(const QImage &image, const char *format, QString &reason);

// Creates `directory` and its parents when missing. Returns the reason on
// failure, an empty string on success.
QString makeDirectory(const QString &directory);
