// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturetexts.h"
#include "picture/picturefile.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/albumimage.h"
#include "qtimage/qtconversion.h"

#include "support/readpictures.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QImage horizontalGradient()
{
    QImage picture(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (int x = 0; x < AlbumImageSide; ++x) {
        const int grey = (x * 255 + 45) / 91;
        for (int y = 0; y < AlbumImageSide; ++y)
            picture.setPixel(x, y, qRgb(grey, grey, grey));
    }
    return picture;
}

} // namespace

TEST(AlbumImage, AnImportIsTheReadPictureConverted)
{
    QImage transparent(37, 250, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    QPainter(&transparent).fillRect(5, 5, 20, 200, QColor(10, 200, 90, 120));
    QImage noisy(300, 77, QImage::Format_RGB888);
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, qRgb((x * 7 + y * 13) % 256, (x * y) % 256, (x ^ y) % 256));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QImage &picture : {QImage(), transparent, noisy, horizontalGradient()}) {
        const QString path = dir.filePath(QStringLiteral("p.png"));
        if (!picture.isNull() && picture.save(path)) {
            const PictureImport loaded = ImportPicture(path, {});
            ASSERT_TRUE(loaded.ok);
            EXPECT_EQ(loaded.albumImage, ConvertToAlbumImage(ImageOf(ReadPictureAt(path)), {}));
        }
    }
}

TEST(AlbumImage, SmoothJpegIsReadReducedButStillAveraged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage photo(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, (x / 2 + y / 2) % 2 ? qRgb(250, 240, 230) : qRgb(20, 30, 60));
    const QString jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(photo.save(jpeg, "JPEG", 95));
    ConversionOptions options;
    options.smooth = true;
    const PictureImport loaded = ImportPicture(jpeg, options);
    ASSERT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
    const QImage full = ConvertToAlbumImage(ImageOf(ReadPictureAt(jpeg)), options);
    for (int y = 0; y < AlbumImageSide; y += 7)
        for (int x = 0; x < AlbumImageSide; x += 7)
            EXPECT_NEAR(Luminance(loaded.albumImage.pixel(x, y)), Luminance(full.pixel(x, y)), 8) << x << "," << y;

    // Refusals are the plain load's.
    const QString broken = dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("ffd8ffe000104a464946") + QByteArray(40, 'x'));
    file.close();
    for (const QString &path : {broken, dir.filePath(QStringLiteral("missing.jpg"))}) {
        const PictureImport refused = ImportPicture(path, options);
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(PictureProblemText(refused.problem), PictureProblemText(ReadPictureAt(path).problem));
    }
}
