// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturetexts.h"
#include "picture/picturefile.h"
#include "picture/qtconversion.h"

#include "support/testalbums.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

bool Near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance
           && std::abs(qGreen(actual) - qGreen(expected)) <= tolerance
           && std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

} // namespace

TEST(PictureFile, ReadersForEveryImportableTypeArePresent)
{
    const QList<QByteArray> present = QImageReader::supportedImageFormats();
    for (const QString &format : ImportablePictureFormats())
        EXPECT_TRUE(present.contains(format.toLatin1())) << format.toStdString();
}

TEST(PictureFile, EachTypeIsReadWhateverItsName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Halves as wide as JPEG's colour blocks, so they keep their colours.
    QImage picture(32, 16, QImage::Format_RGB32);
    picture.fill(qRgb(40, 120, 200));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, qRgb(250, 250, 10));

    struct Case
    {
        const char *writeAs;
        const char *name;
        int tolerance;
    };
    // Names that lie about the type must not matter.
    for (const Case &c : {Case{"PNG", "a.png", 0}, Case{"PNG", "png-named.bmp", 0}, Case{"JPEG", "b.jpg", 24},
                          Case{"ICO", "c.ico", 0}}) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(picture.save(path, c.writeAs, 100));
        const PictureFileContents loaded = ReadPictureFile(path);
        ASSERT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
        ASSERT_EQ(loaded.picture.size(), picture.size());
        EXPECT_TRUE(Near(loaded.picture.pixel(4, 3), qRgb(250, 250, 10), c.tolerance));
        EXPECT_TRUE(Near(loaded.picture.pixel(28, 12), qRgb(40, 120, 200), c.tolerance));
    }

    const QString gif = dir.filePath(QStringLiteral("d.gif"));
    QFile file(gif);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(OnePixelGif);
    file.close();
    const PictureFileContents loaded = ReadPictureFile(gif);
    ASSERT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
    EXPECT_EQ(loaded.picture.pixel(0, 0) | 0xFF000000u, qRgb(0x12, 0x34, 0x56));
}

TEST(PictureFile, OtherTypesAreRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString types =
        QStringLiteral(". Pictures are read from BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF files.");
    for (const auto &[format, what] : {std::pair{"XPM", "an XPM picture"}, std::pair{"PPM", "a Netpbm picture"},
                                       std::pair{"XBM", "an XBM picture"}}) {
        const QString path = dir.filePath(QStringLiteral("picture.bmp"));
        ASSERT_TRUE(picture.save(path, format));
        const PictureFileContents loaded = ReadPictureFile(path);
        EXPECT_FALSE(loaded.ok) << format;
        EXPECT_EQ(PictureProblemText(loaded.problem),
                  QStringLiteral("Unsupported image format: this is ") + QString::fromLatin1(what) + types)
            << format;
    }
}

// A one-bit bitmap of any size costs little to make: up to MaxPicturePixels
// it loads (Qt's own 128 MB limit would refuse some of these as 32-bit
// pictures), beyond it the refusal names the size.
TEST(PictureFile, HugePicturesAreReadUpToTheLimitAndAreRefusedBeyondIt)
{
    const auto monochromeBitmap = [](int side) {
        const qint64 stride = (side + 31) / 32 * 4;
        QByteArray bytes(62, '\0');
        const auto put = [&bytes](int at, quint32 value) { qToLittleEndian<quint32>(value, bytes.data() + at); };
        bytes[0] = 'B';
        bytes[1] = 'M';
        put(2, quint32(62 + stride * side));
        put(10, 62);
        put(14, 40);
        put(18, quint32(side));
        put(22, quint32(side));
        put(26, 1 | (1 << 16)); // one plane, one bit a pixel
        put(46, 2);
        put(58, 0x00FFFFFF); // palette: black, white
        bytes.append(QByteArray(stride * side, '\0'));
        return bytes;
    };
    for (const auto &[side, loads] : {std::pair{10'000, true}, std::pair{11'000, false}}) {
        QByteArray bytes = monochromeBitmap(side);
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        const PictureFileContents loaded = ReadPictureFile(buffer);
        EXPECT_EQ(loaded.ok, loads) << side << ": " << PictureProblemText(loaded.problem).toStdString();
        if (loads)
            EXPECT_EQ(loaded.picture.size(), QSize(side, side));
        else
            EXPECT_EQ(PictureProblemText(loaded.problem),
                      QStringLiteral("The picture is too large: 11000 x 11000 pixels, more than 120 megapixels"));
    }
}

// Pixels that name colours past a bitmap's palette come out black; drawing
// them used to read past Qt's colour table (found by the fuzzer as a crash).
TEST(PictureFile, ColoursPastThePaletteAreBlack)
{
    // 2 x 1, 8 bits a pixel, a palette of one white colour; the pixels are 0 and 200.
    QByteArray bitmap = QByteArray::fromHex("424d"
                                            "42000000"
                                            "00000000"
                                            "3a000000"
                                            "28000000"
                                            "02000000"
                                            "01000000"
                                            "0100"
                                            "0800"
                                            "00000000"
                                            "04000000"
                                            "130b0000"
                                            "130b0000"
                                            "01000000"
                                            "01000000"
                                            "ffffff00"
                                            "00c80000");
    QBuffer buffer(&bitmap);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const PictureFileContents loaded = ReadPictureFile(buffer);
    ASSERT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
    // Every index has a colour: what Qt reads unchecked is always there.
    EXPECT_EQ(loaded.picture.colorCount(), 256);
    const QImage albumImage = ScaleToAlbumImage(loaded.picture);
    EXPECT_EQ(albumImage.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(albumImage.pixel(91, 0), qRgb(0, 0, 0));
}
