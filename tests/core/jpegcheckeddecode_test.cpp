// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturetexts.h"
#include "picture/jpegcheckeddecode.h"
#include "picture/picturedamage.h"
#include "picture/picturefile.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/qtconversion.h"
#include "support/jpegfiles.h"
#include "support/readpictures.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <string>

#include <cstdio>
#include <jpeglib.h>

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
    // Grey pictures come as Grayscale8: the same pixels, drawn. The colour
    // profile plays no part in what is drawn, and the readers give none.
    QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
    picture.setColorSpace(QColorSpace());
    return picture;
}

PictureFileContents ReadDecoded(const QByteArray &file, int scale)
{
    return ReadPictureIn(file, [scale](PictureSize) { return scale; });
}

// An EXIF segment whose first directory holds one entry: tag, type, count,
// value, in the byte order given ("II" or "MM").
QByteArray WithExifEntry(const QByteArray &jpeg, const char *order, quint16 tag, quint16 type, quint32 count,
                         quint16 value)
{
    const bool little = order[0] == 'I';
    QByteArray tiff(order, 2);
    const auto put16 = [&](quint16 v) {
        tiff += little ? char(v & 0xFF) : char(v >> 8);
        tiff += little ? char(v >> 8) : char(v & 0xFF);
    };
    const auto put32 = [&](quint32 v) {
        put16(little ? quint16(v & 0xFFFF) : quint16(v >> 16));
        put16(little ? quint16(v >> 16) : quint16(v & 0xFFFF));
    };
    put16(42);
    put32(8);
    put16(1);
    put16(tag);
    put16(type);
    put32(count);
    put16(value);
    put16(0);
    put32(0);
    const QByteArray contents = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    segment += char((contents.size() + 2) >> 8);
    segment += char((contents.size() + 2) & 0xFF);
    return jpeg.left(2) + segment + contents + jpeg.mid(2);
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
            const CheckedJpeg decoded = DecodeCheckedJpeg(BytesOf(c.file), [scale](PictureSize) { return scale; });
            ASSERT_EQ(decoded.outcome, CheckedJpeg::Outcome::Decoded);
            EXPECT_EQ(decoded.picture.width, 640 / scale);
            EXPECT_EQ(decoded.picture.height, 480 / scale);
            EXPECT_FALSE(decoded.picture.hasAlpha);
            EXPECT_EQ(QImageOf(decoded.picture), QtDecoded(c.file, scale));
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
            EXPECT_EQ(DecodeCheckedJpeg(BytesOf(file), [scale](PictureSize) { return scale; }).outcome,
                      CheckedJpeg::Outcome::Damaged);
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
            const QImage read = ImageOf(loaded);
            EXPECT_EQ(read.size(), orientation >= 5 ? size.transposed() : size);
            EXPECT_EQ(read, QtDecoded(file, scale));
            EXPECT_EQ(loaded.orientation, orientation);
        }
}

// Only one short of 1 to 8 in the first directory turns the picture, in
// either byte order, as Qt's reader takes it.
TEST(JpegCheckedDecode, ExifOrientationOutsideTheRulesIsIgnored)
{
    const QByteArray jpeg = QtJpeg(Photo(QImage::Format_RGB32));
    struct Case
    {
        const char *name;
        QByteArray file;
        int orientation;
    };
    const Case cases[] = {
        {"big-endian", WithExifEntry(jpeg, "MM", 0x0112, 3, 1, 6), 6},
        {"little-endian", WithExifEntry(jpeg, "II", 0x0112, 3, 1, 8), 8},
        {"out of range", WithExifEntry(jpeg, "II", 0x0112, 3, 1, 9), 1},
        {"zero", WithExifEntry(jpeg, "MM", 0x0112, 3, 1, 0), 1},
        {"a long, not a short", WithExifEntry(jpeg, "II", 0x0112, 4, 1, 6), 1},
        {"two values", WithExifEntry(jpeg, "II", 0x0112, 3, 2, 6), 1},
        {"another tag", WithExifEntry(jpeg, "II", 0x0110, 3, 1, 6), 1},
        {"a bad byte order", WithExifEntry(jpeg, "IM", 0x0112, 3, 1, 6), 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PictureFileContents loaded = ReadDecoded(c.file, 1);
        ASSERT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
        EXPECT_EQ(loaded.orientation, c.orientation);
        EXPECT_EQ(ImageOf(loaded), QtDecoded(c.file, 1));
    }
}

// CMYK and YCCK files, which Qt's reader once decoded, come with its pixels
// (Adobe's inverted CMYK, each channel times K over 255), whole and reduced.
TEST(JpegCheckedDecode, CmykAndYcckGiveQtsPixels)
{
    const QImage photo = Photo(QImage::Format_ARGB32);
    for (const auto &[name, space] : {std::pair{"CMYK", int(JCS_CMYK)}, std::pair{"YCCK", int(JCS_YCCK)}}) {
        const QByteArray file = JpegOfChannels(photo, 4, space);
        for (int scale : {1, 2, 8}) {
            SCOPED_TRACE(std::string(name) + " at 1/" + std::to_string(scale));
            const PictureFileContents loaded = ReadDecoded(file, scale);
            ASSERT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
            EXPECT_EQ(ImageOf(loaded), QtDecoded(file, scale));
        }
        // Cut short, it is damaged, as any other JPEG.
        EXPECT_EQ(ReadDecoded(file.left(file.size() / 2), 1).problem.kind, PictureProblem::Kind::Damaged);
    }
}

// Two colour channels make no picture: refused as Qt's reader refused them,
// in the program's own words.
TEST(JpegCheckedDecode, TwoChannelsAreRefusedAsMalformed)
{
    const QByteArray file = JpegOfChannels(Photo(QImage::Format_ARGB32), 2, JCS_UNKNOWN);
    const PictureFileContents loaded = ReadDecoded(file, 1);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.problem.kind, PictureProblem::Kind::Malformed);
    EXPECT_EQ(loaded.problem.fault, PictureFault::Header);
    QByteArray bytes = file;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "jpeg");
    EXPECT_TRUE(reader.read().isNull());
    EXPECT_TRUE(PictureProblemText(loaded.problem).endsWith(u'.'));
}
