// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/previewdecode.h"

#include "messages/picturetexts.h"
#include "picture/picturefile.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/albumimage.h"
#include "qtimage/qtconversion.h"

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
        const DecodeReduction forScreen = [&](PictureSize size) {
            fileSize = QSize(size.width, size.height);
            const int longSide = std::max(size.width, size.height);
            for (int candidate : {8, 4, 2})
                if (longSide / candidate >= PreviewPictureLimit)
                    return scale = candidate;
            return scale = 1;
        };
        PictureFileContents read = ReadPictureFile(PicturePath(job.path), forScreen);
        if (!read.ok)
            return refused(outcome, read.problem);
        const QImage picture = QImageOf(std::move(read.picture));
        outcome.pictureSize = picture.size();
        if (scale > 1) {
            // Reduced by the decoder: the file's own size, turned as the orientation tag turned the picture.
            const QSize reduced(fileSize.width() / scale, fileSize.height() / scale);
            outcome.pictureSize =
                picture.size() == reduced || reduced.transposed() != picture.size() ? fileSize : fileSize.transposed();
        } else if (full.isNull()) {
            full = picture;
        }
        outcome.picture = std::max(picture.width(), picture.height()) > PreviewPictureLimit ? picture.scaled(
                              PreviewPictureLimit, PreviewPictureLimit, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                                                                            : picture;
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
            PictureFileContents read = ReadPictureFile(PicturePath(job.path));
            if (!read.ok)
                return refused(outcome, read.problem);
            full = QImageOf(std::move(read.picture));
        }
        outcome.deviceImage = DeviceViewOf(ConvertToAlbumImage(full, job.options));
        outcome.fullPicture = full;
    }
    outcome.ok = true;
    return outcome;
}
