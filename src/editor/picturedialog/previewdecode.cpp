// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/previewdecode.h"

#include "messages/picturetexts.h"
#include "picture/albumbitmap.h"
#include "picture/albumimage.h"
#include "picture/picturefile.h"
#include "picture/qtconversion.h"

#include <algorithm>

namespace {

PreviewOutcome refused(PreviewOutcome outcome, const PictureProblem &problem)
{
    outcome.ok = false;
    outcome.picture = {};
    outcome.deviceImage = {};
    outcome.fullPicture = {};
    outcome.problem = PictureProblemText(problem);
    return outcome;
}

} // namespace

PreviewOutcome DecodePreview(const PreviewJob &job)
{
    PreviewOutcome outcome;
    outcome.generation = job.generation;
    QImage full = job.fullPicture;

    if (job.withPicture) {
        QSize fileSize;
        int scale = 1;
        const DecodeReduction forScreen = [&](QSize size) {
            fileSize = size;
            const int longSide = std::max(size.width(), size.height());
            for (int candidate : {8, 4, 2})
                if (longSide / candidate >= PreviewPictureLimit)
                    return scale = candidate;
            return scale = 1;
        };
        const PictureFileContents loaded = ReadPictureFile(job.path, forScreen);
        if (!loaded.ok)
            return refused(outcome, loaded.problem);
        outcome.pictureSize = loaded.picture.size();
        if (scale > 1) {
            // Reduced by the decoder: the file's own size, turned as the orientation tag turned the picture.
            const QSize reduced(fileSize.width() / scale, fileSize.height() / scale);
            outcome.pictureSize = loaded.picture.size() == reduced || reduced.transposed() != loaded.picture.size()
                                      ? fileSize
                                      : fileSize.transposed();
        } else if (full.isNull()) {
            full = loaded.picture;
        }
        outcome.picture = std::max(loaded.picture.width(), loaded.picture.height()) > PreviewPictureLimit
                              ? loaded.picture.scaled(PreviewPictureLimit, PreviewPictureLimit, Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation)
                              : loaded.picture;
    }

    if (job.options.smooth) {
        // Smoothing lets the import decode a JPEG reduced: only its own load gives its pixels.
        const PictureImport loaded = ImportPicture(job.path, job.options);
        if (!loaded.ok)
            return refused(outcome, loaded.problem);
        outcome.deviceImage = DeviceViewOf(loaded.albumImage);
    } else {
        // Without smoothing the import converts the whole picture: the same one gives the same pixels.
        if (full.isNull()) {
            const PictureFileContents loaded = ReadPictureFile(job.path);
            if (!loaded.ok)
                return refused(outcome, loaded.problem);
            full = loaded.picture;
        }
        outcome.deviceImage = DeviceViewOf(ConvertToAlbumImage(full, job.options));
        outcome.fullPicture = full;
    }
    outcome.ok = true;
    return outcome;
}
