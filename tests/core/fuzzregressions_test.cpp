// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every hostile input kept in fuzz/regressions/ goes through the album reader
// and through the picture import as far as an album image: each must end in
// an outcome or an error, nothing more. The sanitizer build runs this too,
// which is where a quiet overrun would show.

#include "album/albumreader.h"
#include "album/albumwriter.h"
#include "codec/pixelcodec.h"
#include "messages/picturetexts.h"
#include "picture/pictureload.h"
#include "picture/squareplacement.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QFileInfoList RegressionInputs()
{
    return QDir(QStringLiteral(VALBUM_FUZZ_REGRESSIONS)).entryInfoList(QDir::Files, QDir::Name);
}

void ExpectAlbumImages(const QList<QImage> &images)
{
    EXPECT_LE(images.size(), MaxImagesPerRead);
    for (const QImage &image : images)
        EXPECT_EQ(image.size(), QSize(AlbumImageSide, AlbumImageSide));
}

} // namespace

TEST(FuzzRegressions, FolderHoldsTheHandMadeInputs)
{
    EXPECT_GE(RegressionInputs().size(), 30) << VALBUM_FUZZ_REGRESSIONS;
}

TEST(FuzzRegressions, AlbumReaderEndsInAnOutcome)
{
    for (const QFileInfo &input : RegressionInputs()) {
        SCOPED_TRACE(input.fileName().toStdString());
        QFile device(input.filePath());
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        const AlbumFileContents parsed = ParseAlbum(device);
        const AlbumFileContents read = ReadAlbumFile(input.filePath());
        ExpectAlbumImages(parsed.images);
        EXPECT_EQ(read.images, parsed.images);
    }
}

TEST(FuzzRegressions, PictureImportEndsInAnAlbumImageOrAReason)
{
    for (const QFileInfo &input : RegressionInputs()) {
        SCOPED_TRACE(input.fileName().toStdString());
        const LoadedPicture loaded = LoadPicture(input.filePath());
        if (!loaded.ok) {
            EXPECT_FALSE(PictureProblemText(loaded.problem).isEmpty());
            continue;
        }
        const QImage albumImage = ScaleToAlbumImage(loaded.picture);
        ASSERT_EQ(albumImage.size(), QSize(AlbumImageSide, AlbumImageSide));
        PackedImage packed{};
        EXPECT_EQ(EncodeImage(albumImage, packed), PackedImageSize);
    }
}
