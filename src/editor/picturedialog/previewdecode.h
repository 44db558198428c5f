// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"
#include "editor/picturedialog/keptdecode.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// What the picture dialog's preview asks for: run off the window's thread,
// so nothing it reads may belong to a widget.
struct PreviewJob
{
    quint64 generation = 0; // the newest request wins; older results are dropped
    QString path;
    ConversionOptions options;
    bool withPicture = true;    // false: only the device view, the picture is shown already
    QImage fullPicture;         // the whole picture decoded before, or null
    FileStamp fullStamp;        // the file's stamp when fullPicture was read
    bool fullReducible = false; // its decoder can decode reduced (a JPEG)
};

struct PreviewOutcome
{
    quint64 generation = 0;
    bool ok = false;
    QImage picture;      // for the screen: at most PreviewPictureLimit on its long side
    QSize pictureSize;   // the picture's own size
    QImage deviceImage;  // what the device shows with the job's options
    QImage fullPicture;  // the whole picture, kept for the next conversion
    FileStamp fullStamp; // as in PreviewJob
    bool fullReducible = false;
    ConversionOptions options; // the job's
    QImage albumImage;         // the album image the device view shows, as Open adds it
    FileStamp stamp;           // the file's stamp before the read albumImage came from
    QString problem;           // why the picture cannot be imported, as the import says it
};

// The longest side a picture is kept at for the screen: more only costs memory.
inline constexpr int PreviewPictureLimit = 2048;

// Decodes and converts exactly as the import does, so the device view is the
// album image pixel for pixel. A JPEG is decoded for the screen at the
// largest reduction that still fills PreviewPictureLimit.
PreviewOutcome DecodePreview(const PreviewJob &job);

using PreviewDecoder = std::function<PreviewOutcome(const PreviewJob &)>;
