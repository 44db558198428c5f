// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every hostile input kept in fuzz/regressions/ goes through the album file
// reader and through the picture import as far as an album image: each must
// end in an outcome or an error, nothing more. The sanitizer build runs this too,
// which is where a quiet overrun would show.

#include "albumfile/albumfile.h"
#include "messages/picturetexts.h"
#include "picture/picturefile.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/qtconversion.h"

#include "support/readpictures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QFileInfoList RegressionInputs()
{
    return QDir(QStringLiteral(VALBUM_FUZZ_REGRESSIONS)).entryInfoList(QDir::Files, QDir::Name);
}

} // namespace

TEST(FuzzRegressions, AlbumFileListsWhatTheBytesHold)
{
    for (const QFileInfo &input : RegressionInputs()) {
        SCOPED_TRACE(input.fileName().toStdString());
        QFile file(input.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const AlbumRecords parsed =
            ParseAlbum(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())));
        const AlbumFileContents read = ReadAlbumFile(input.filePath());
        EXPECT_EQ(read.records.size(), parsed.records.size());
        EXPECT_EQ(read.stop, parsed.stop);
        EXPECT_EQ(read.stopOffset, parsed.stopOffset);
    }
}

TEST(FuzzRegressions, PictureImportEndsInAnAlbumImageOrAReason)
{
    for (const QFileInfo &input : RegressionInputs()) {
        SCOPED_TRACE(input.fileName().toStdString());
        const PictureFileContents loaded = ReadPictureAt(input.filePath());
        if (!loaded.ok) {
            EXPECT_FALSE(PictureProblemText(loaded.problem).isEmpty());
            continue;
        }
        const QImage albumImage = ScaleToAlbumImage(ImageOf(loaded));
        ASSERT_EQ(albumImage.size(), QSize(AlbumImageSide, AlbumImageSide));
        PackedImage packed{};
        EXPECT_EQ(EncodeImageOf(albumImage, packed), PackedImageSize);
    }
}
