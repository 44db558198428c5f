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
    outcome.albumImage = {};
    outcome.problem = PictureProblemText(problem);
    return outcome;
}

} // namespace

PreviewOutcome DecodePreview(const PreviewJob &job)
{
    PreviewOutcome outcome;
    outcome.generation = job.generation;
    outcome.options = job.options;
    QImage full = job.fullPicture;
    FileStamp fullStamp = job.fullStamp;
    bool reducible = job.fullReducible;

    if (job.withPicture) {
        QSize fileSize;
        int scale = 1;
        bool asked = false;
        const DecodeReduction forScreen = [&](PictureSize size) {
            asked = true;
            fileSize = QSize(size.width, size.height);
            const int longSide = std::max(size.width, size.height);
            for (int candidate : {8, 4, 2})
                if (longSide / candidate >= PreviewPictureLimit)
                    return scale = candidate;
            return scale = 1;
        };
        // Before the read: a file written while it is read then looks changed.
        const FileStamp stamp = FileStampOf(job.path);
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
            fullStamp = stamp;
            reducible = asked;
        }
        outcome.picture = std::max(picture.width(), picture.height()) > PreviewPictureLimit ? picture.scaled(
                              PreviewPictureLimit, PreviewPictureLimit, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                                                                            : picture;
    }

    // Smoothing lets the import decode a JPEG reduced: only its own load
    // gives its pixels. Every other decoder reads the whole picture whatever
    // the choices, so the one decoded already gives the same pixels.
    if (job.options.smooth && (full.isNull() || reducible)) {
        outcome.stamp = FileStampOf(job.path);
        const PictureImport loaded = ImportPicture(job.path, job.options);
        if (!loaded.ok)
            return refused(outcome, loaded.problem);
        outcome.albumImage = loaded.albumImage;
    } else {
        if (full.isNull()) {
            fullStamp = FileStampOf(job.path);
            // Asked for no reduction, the decoder still says whether it could.
            bool asked = false;
            PictureFileContents read = ReadPictureFile(PicturePath(job.path), [&asked](PictureSize) {
                asked = true;
                return 1;
            });
            if (!read.ok)
                return refused(outcome, read.problem);
            full = QImageOf(std::move(read.picture));
            reducible = asked;
        }
        outcome.albumImage = ConvertToAlbumImage(full, job.options);
        outcome.stamp = fullStamp;
    }
    if (!full.isNull()) {
        outcome.fullPicture = full;
        outcome.fullStamp = fullStamp;
        outcome.fullReducible = reducible;
    }
    outcome.deviceImage = DeviceViewOf(outcome.albumImage);
    outcome.ok = true;
    return outcome;
}
