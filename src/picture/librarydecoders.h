// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturefile.h"

#include <QByteArrayView>
#include <QImageIOHandler>

// Decoders for the picture types that Qt's readers do not read, each given
// the whole file and each its own damage check: a file cut short or whose
// data does not decode is refused as Damaged, never passed off with made-up
// pixels. The size is checked against MaxPicturePixels from the header,
// before any pixel is decoded. The picture comes upright (the file's own
// rotation and mirroring applied), as RGB32, or ARGB32 when it has alpha;
// library warnings go to PictureFileContents::warnings, never to standard error.

// HEIC, HEIF and AVIF: the primary image, with its transform boxes applied.
PictureFileContents DecodeHeif(QByteArrayView file);

// WebP, lossy or lossless; the first frame of an animation.
PictureFileContents DecodeWebP(QByteArrayView file);

// TIFF: the first page.
PictureFileContents DecodeTiff(QByteArrayView file);

// The picture turned and mirrored as `transformation` says (an EXIF or TIFF
// orientation, as Qt's readers give it).
QImage OrientedPicture(QImage picture, QImageIOHandler::Transformations transformation);

inline PictureFileContents RefusedPicture(PictureProblem::Kind kind, const QString &detail = {}, QSize size = {})
{
    PictureFileContents result;
    result.problem.kind = kind;
    result.problem.detail = detail;
    result.problem.size = size;
    return result;
}

inline bool IsTooLargePicture(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width * height > MaxPicturePixels;
}
