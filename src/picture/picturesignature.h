// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

// The picture types read by a library of their own rather than by Qt's
// image readers, told from a file's first bytes.
enum class LibraryPictureType {
    None,
    Heif, // HEIC, HEIF and AVIF: one container, HEVC or AV1 inside
    WebP,
    Tiff,
};

LibraryPictureType LibraryPictureTypeOf(QByteArrayView file);

// What a file of a type that is not read is, as "a PDF document" or "a JPEG
// XL picture", when its first bytes tell; empty when they do not.
QString DescribeUnreadFile(QByteArrayView file);
