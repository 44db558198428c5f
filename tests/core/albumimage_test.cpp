// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturetexts.h"
#include "picture/albumbitmap.h"
#include "picture/albumimage.h"
#include "picture/picturefile.h"
#include "picture/squareplacement.h"

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

// The largest gap between the mean luminance of a 4-column strip of `shown`
// and of the same strip of `source`.
double worstStripError(const QImage &shown, const QImage &source)
{
    double worst = 0;
    for (int left = 0; left + 4 <= AlbumImageSide; left += 4) {
        double difference = 0;
        for (int x = left; x < left + 4; ++x)
            for (int y = 0; y < AlbumImageSide; ++y)
                difference += Luminance(shown.pixel(x, y)) - Luminance(source.pixel(x, y));
        worst = std::max(worst, std::abs(difference / (4 * AlbumImageSide)));
    }
    return worst;
}

QImage bands(QSize size, const QList<QRgb> &colours)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int x = 0; x < size.width(); ++x)
        for (int y = 0; y < size.height(); ++y)
            picture.setPixel(x, y, colours.at(x * colours.size() / size.width()));
    return picture;
}

ConversionOptions withGreys(GreyDither greys)
{
    ConversionOptions options;
    options.greys = greys;
    return options;
}

} // namespace

TEST(AlbumImage, DitheringKeepsTheLocalMeanOfAGradient)
{
    const QImage gradient = horizontalGradient();
    // Thresholds alone leave strips up to half a level step off (Atkinson,
    // which hands on only three quarters of the error, comes closest to that).
    EXPECT_GT(worstStripError(DeviceView(gradient), gradient), 25.0);
    for (GreyDither greys : {GreyDither::FloydSteinberg, GreyDither::Atkinson, GreyDither::Ordered, GreyDither::Compact,
                             GreyDither::CompactDiffusion}) {
        SCOPED_TRACE(static_cast<int>(greys));
        EXPECT_LT(worstStripError(ConvertToAlbumImage(gradient, withGreys(greys)), gradient), 8.0);
    }
}

TEST(AlbumImage, GreyOutputHoldsOnlyTheDeviceGreys)
{
    // Colours, transparency and extremes, under every dither and with tone changes.
    QImage picture(150, 110, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 255 / 149, y * 255 / 109, (x * y) % 256, (x + y) % 3 ? 255 : 0));
    for (GreyDither greys : {GreyDither::None, GreyDither::FloydSteinberg, GreyDither::Atkinson, GreyDither::Ordered,
                             GreyDither::Compact, GreyDither::CompactDiffusion})
        for (auto [brightness, contrast] : {std::pair{0, 0}, {35, -20}, {-100, 100}, {100, 60}, {-30, -100}}) {
            ConversionOptions options = withGreys(greys);
            options.brightness = brightness;
            options.contrast = contrast;
            options.smooth = brightness > 0;
            if (!options.reducesToGreys())
                continue;
            const QImage converted = ConvertToAlbumImage(picture, options);
            ASSERT_EQ(converted.size(), QSize(AlbumImageSide, AlbumImageSide));
            EXPECT_EQ(DeviceView(converted), converted)
                << "greys " << int(greys) << " brightness " << brightness << " contrast " << contrast;
        }
}

TEST(AlbumImage, CropAndPadKeepTheAspectRatio)
{
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
    const QImage wide = bands(QSize(276, 92), {red, green, blue});
    const QImage tall = bands(QSize(60, 180), {red, blue});
    struct Case
    {
        QImage picture;
        PictureFit fit;
        bool smooth;
        QPoint at;
        QRgb expected;
    };
    const QList<Case> cases{
        // Crop keeps the middle third of the wide picture, whatever the scaling.
        {wide, PictureFit::Crop, false, {0, 0}, green},
        {wide, PictureFit::Crop, false, {91, 91}, green},
        {wide, PictureFit::Crop, true, {1, 45}, green},
        // Pad puts it in a centred band 31 rows high (92 x 92 / 276).
        {wide, PictureFit::Pad, false, {45, 29}, white},
        {wide, PictureFit::Pad, false, {5, 30}, red},
        {wide, PictureFit::Pad, false, {45, 60}, green},
        {wide, PictureFit::Pad, false, {86, 45}, blue},
        {wide, PictureFit::Pad, false, {45, 61}, white},
        {wide, PictureFit::Pad, true, {45, 45}, green},
        // A tall picture: 31 columns (60 x 92 / 180) from column 30, its bands side by side.
        {tall, PictureFit::Pad, false, {29, 45}, white},
        {tall, PictureFit::Pad, false, {30, 0}, red},
        {tall, PictureFit::Pad, false, {60, 91}, blue},
        {tall, PictureFit::Pad, false, {61, 45}, white},
        {tall, PictureFit::Crop, false, {0, 45}, red},
        {tall, PictureFit::Crop, false, {91, 45}, blue},
        // Stretch is today's import: the bands become thirds of the square.
        {wide, PictureFit::Stretch, false, {29, 0}, red},
        {wide, PictureFit::Stretch, false, {62, 91}, blue},
    };
    for (const Case &c : cases) {
        ConversionOptions options;
        options.fit = c.fit;
        options.smooth = c.smooth;
        const QImage converted = ConvertToAlbumImage(c.picture, options);
        EXPECT_EQ(converted.pixel(c.at), c.expected)
            << c.picture.width() << "x" << c.picture.height() << " fit " << int(c.fit) << " smooth " << c.smooth
            << " at " << c.at.x() << "," << c.at.y();
    }
}

TEST(AlbumImage, AChosenCropSquareIsKeptAndDecodedFinelyEnough)
{
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);
    ConversionOptions options;
    options.fit = PictureFit::Crop;
    options.cropSquare = QRectF(2.0 / 3, 0, 1.0 / 3, 1);
    const QImage kept = ConvertToAlbumImage(bands(QSize(276, 92), {red, green, blue}), options);
    EXPECT_EQ(kept.pixel(0, 0), blue);
    EXPECT_EQ(kept.pixel(91, 91), blue);
    // A small square needs more of a JPEG's pixels than the whole crop does.
    ConversionOptions wholeCrop;
    wholeCrop.fit = PictureFit::Crop;
    EXPECT_EQ(ReducedDecodeScale(QSize(4000, 3000), wholeCrop), 8);
    options.cropSquare = QRectF(0.4, 0.4, 0.075, 0.1); // 300 x 300 pixels
    EXPECT_EQ(ReducedDecodeScale(QSize(4000, 3000), options), 2);
}

TEST(AlbumImage, SmoothingAveragesACheckerboard)
{
    // Every fit shrinks it by a whole even factor: 4 x 2, 2 x 2 and 4 x 4.
    QImage board(368, 184, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    for (PictureFit fit : {PictureFit::Stretch, PictureFit::Crop, PictureFit::Pad}) {
        ConversionOptions options;
        options.fit = fit;
        const QImage nearest = ConvertToAlbumImage(board, options);
        options.smooth = true;
        const QImage smooth = ConvertToAlbumImage(board, options);
        // Pad leaves white above and below; look at the middle row only.
        for (int x = 0; x < AlbumImageSide; ++x) {
            const int picked = qRed(nearest.pixel(x, 46));
            EXPECT_TRUE(picked == 0 || picked == 255) << "fit " << int(fit) << " x " << x;
            EXPECT_NEAR(qRed(smooth.pixel(x, 46)), 128, 3) << "fit " << int(fit) << " x " << x;
        }
    }
}

TEST(AlbumImage, ToneMovesAFlatGreyBetweenLevels)
{
    QImage flat(40, 40, QImage::Format_RGB32);
    flat.fill(qRgb(120, 120, 120)); // level 2, shown as 0x808080
    struct Case
    {
        int brightness;
        int contrast;
        QRgb shown;
    };
    for (const Case &c : {Case{0, 0, qRgb(120, 120, 120)}, Case{20, 0, 0xFFA0A0A0}, Case{-10, 0, 0xFF484848},
                          Case{0, 80, 0xFF484848}, Case{0, -100, 0xFF808080}, Case{100, 0, 0xFFFFFFFF}}) {
        ConversionOptions options;
        options.brightness = c.brightness;
        options.contrast = c.contrast;
        const QImage converted = ConvertToAlbumImage(flat, options);
        EXPECT_EQ(converted.pixel(0, 0), c.shown) << c.brightness << " " << c.contrast;
        EXPECT_EQ(converted.pixel(91, 91), c.shown) << c.brightness << " " << c.contrast;
    }
}

TEST(AlbumImage, DefaultsAreTodaysImport)
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
        EXPECT_EQ(ConvertToAlbumImage(picture, {}), ScaleToAlbumImage(picture));
        const QString path = dir.filePath(QStringLiteral("p.png"));
        if (!picture.isNull() && picture.save(path)) {
            const PictureImport loaded = ImportPicture(path, {});
            ASSERT_TRUE(loaded.ok);
            EXPECT_EQ(loaded.albumImage, ScaleToAlbumImage(ImageOf(ReadPictureAt(path))));
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
