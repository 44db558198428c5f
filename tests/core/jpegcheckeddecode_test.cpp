// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturetexts.h"
#include "picture/jpegcheckeddecode.h"
#include "picture/picturedamage.h"
#include "picture/picturefile.h"
#include "picture/qtconversion.h"
#include "support/jpegfiles.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <string>

namespace {

// A photo-like picture whose four corners differ, so any turn or mirror shows.
QImage Photo(QImage::Format format)
{
    QImage picture(640, 480, QImage::Format_RGB32);
    quint32 state = 777;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            state = state * 1103515245u + 12345u;
            const int noise = int(state >> 28);
            picture.setPixel(x, y, qRgb(x * 255 / 640 + noise / 2, y * 255 / 480, (x < 320) == (y < 240) ? 200 : 30));
        }
    return picture.convertToFormat(format);
}

QImage WithProfile(QImage picture)
{
    picture.setColorSpace(QColorSpace::DisplayP3);
    return picture;
}

// The same file with an EXIF segment holding only the orientation tag.
QByteArray WithOrientation(const QByteArray &jpeg, int orientation)
{
    QByteArray exif = QByteArray::fromHex("ffe10022"
                                          "457869660000"
                                          "49492a0008000000"
                                          "0100"
                                          "120103000100000000000000"
                                          "00000000");
    exif[28] = char(orientation);
    return jpeg.left(2) + exif + jpeg.mid(2);
}

// What Qt's reader gives for the file: as it is by default, or asked for
// 1/scale of its size at full quality, as smoothing asks.
QImage QtDecoded(const QByteArray &file, int scale)
{
    QByteArray bytes = file;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "jpeg");
    reader.setAutoTransform(true);
    if (scale > 1) {
        reader.setQuality(100);
        const QSize size = reader.size();
        reader.setScaledSize(QSize(size.width() / scale, size.height() / scale));
    }
    return reader.read();
}

PictureFileContents ReadDecoded(const QByteArray &file, int scale)
{
    QByteArray bytes = file;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return ReadPictureFile(device, [scale](QSize) { return scale; });
}

} // namespace

TEST(JpegCheckedDecode, GivesQtsPixelsWholeAndReduced)
{
    struct Case
    {
        std::string name;
        QByteArray file;
    };
    const QList<Case> cases{{"colour", QtJpeg(Photo(QImage::Format_RGB32))},
                            {"progressive", QtJpeg(Photo(QImage::Format_RGB32), true)},
                            {"grey", QtJpeg(Photo(QImage::Format_Grayscale8))},
                            {"with a colour profile", QtJpeg(WithProfile(Photo(QImage::Format_RGB32)))}};
    for (const Case &c : cases)
        for (int scale : {1, 2, 4, 8}) {
            SCOPED_TRACE(c.name + " at 1/" + std::to_string(scale));
            const CheckedJpeg decoded = DecodeCheckedJpeg(c.file, [scale](QSize) { return scale; });
            ASSERT_EQ(decoded.outcome, CheckedJpeg::Outcome::Decoded);
            EXPECT_EQ(decoded.picture.size(), QSize(640 / scale, 480 / scale));
            const QImage expected = QtDecoded(c.file, scale);
            EXPECT_EQ(decoded.picture, expected);
            EXPECT_EQ(decoded.picture.colorSpace(), expected.colorSpace());
        }
}

TEST(JpegCheckedDecode, DamagedJpegsAreRefusedWholeAndReduced)
{
    const QByteArray jpeg = QtJpeg(Photo(QImage::Format_RGB32));
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    QByteArray garbled = jpeg;
    for (qsizetype at = scan + 2000; at < scan + 2040; ++at)
        garbled[at] = char(garbled[at] ^ 0x5A);
    for (const QByteArray &file : {jpeg.left(jpeg.size() * 6 / 10), jpeg.left(jpeg.size() - 2), garbled}) {
        for (int scale : {1, 4}) {
            EXPECT_EQ(DecodeCheckedJpeg(file, [scale](QSize) { return scale; }).outcome, CheckedJpeg::Outcome::Damaged);
            const PictureFileContents loaded = ReadDecoded(file, scale);
            EXPECT_FALSE(loaded.ok);
            EXPECT_EQ(loaded.problem.kind, PictureProblem::Kind::Damaged);
        }
    }
}

TEST(JpegCheckedDecode, ExifOrientationIsApplied)
{
    const QByteArray jpeg = QtJpeg(Photo(QImage::Format_RGB32));
    for (int orientation = 1; orientation <= 8; ++orientation)
        for (int scale : {1, 2}) {
            SCOPED_TRACE("orientation " + std::to_string(orientation) + " at 1/" + std::to_string(scale));
            const QByteArray file = WithOrientation(jpeg, orientation);
            const PictureFileContents loaded = ReadDecoded(file, scale);
            ASSERT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
            // Orientations 5 to 8 turn the picture a quarter.
            const QSize size(640 / scale, 480 / scale);
            EXPECT_EQ(loaded.picture.size(), orientation >= 5 ? size.transposed() : size);
            EXPECT_EQ(loaded.picture, QtDecoded(file, scale));
        }
}
