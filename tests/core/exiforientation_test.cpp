// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A photo's EXIF Orientation, as JPEG and WebP files carry it: each of the
// eight values turns the picture upright, in the same way for both.

#include "messages/picturetexts.h"
#include "picture/picturefile.h"

#include "support/jpegfiles.h"
#include "support/readpictures.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <webp/encode.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

// Four blocks of their own colours: red, yellow / green, blue.
const QRgb TopLeft = qRgb(200, 30, 40), TopRight = qRgb(240, 200, 20), BottomLeft = qRgb(20, 180, 60),
           BottomRight = qRgb(30, 40, 220);

QImage Blocks(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y,
                             x < width / 2 ? (y < height / 2 ? TopLeft : BottomLeft)
                                           : (y < height / 2 ? TopRight : BottomRight));
    return picture;
}

// EXIF data with one Orientation entry, from its TIFF header on.
QByteArray ExifTiff(int orientation)
{
    // Little-endian; one entry: tag 0x0112, type short, count 1, the value
    // in the entry's first two bytes; then no next directory.
    return QByteArray::fromHex("49492a0008000000"
                               "0100"
                               "1201030001000000")
           + char(orientation)
           + QByteArray::fromHex("000000"
                                 "00000000");
}

QByteArray JpegWithOrientation(const QByteArray &jpeg, int orientation)
{
    const QByteArray contents = QByteArray("Exif\0\0", 6) + ExifTiff(orientation);
    QByteArray segment("\xFF\xE1", 2);
    segment += char((contents.size() + 2) >> 8);
    segment += char((contents.size() + 2) & 0xFF);
    return jpeg.left(2) + segment + contents + jpeg.mid(2);
}

void PutLe(QByteArray &bytes, quint32 value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
}

QByteArray Chunk(const char *name, const QByteArray &payload)
{
    QByteArray chunk(name, 4);
    PutLe(chunk, quint32(payload.size()), 4);
    chunk += payload;
    if (payload.size() % 2 != 0)
        chunk += '\0';
    return chunk;
}

struct WebPFreer
{
    void operator()(std::uint8_t *bytes) const { ::WebPFree(bytes); }
};

// The picture as a lossless WebP: the simple layout, one VP8L chunk.
QByteArray LosslessWebP(const QImage &picture)
{
    std::uint8_t *out = nullptr;
    const std::size_t size = WebPEncodeLosslessBGRA(picture.constBits(), picture.width(), picture.height(),
                                                    int(picture.bytesPerLine()), &out);
    const std::unique_ptr<std::uint8_t, WebPFreer> owner(out);
    return QByteArray(reinterpret_cast<const char *>(out), qsizetype(size));
}

// The same picture in the extended layout, with an EXIF chunk after the pixels.
QByteArray WebPWithExif(const QByteArray &simple, int width, int height, const QByteArray &exif)
{
    QByteArray header;
    header += char(0x08); // the EXIF flag
    header += QByteArray(3, '\0');
    PutLe(header, quint32(width - 1), 3);
    PutLe(header, quint32(height - 1), 3);
    const QByteArray body = "WEBP" + Chunk("VP8X", header) + simple.mid(12) + Chunk("EXIF", exif);
    QByteArray file("RIFF");
    PutLe(file, quint32(body.size()), 4);
    return file + body;
}

bool Near(QRgb got, QRgb want, int tolerance)
{
    return std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) + std::abs(qBlue(got) - qBlue(want))
           <= tolerance;
}

// Which stored block lands at the upright picture's top corners, for each
// value: the picture's geometry, not the code's.
struct Turn
{
    int orientation;
    QRgb uprightTopLeft;
    QRgb uprightTopRight;
    bool quarter;
};
const Turn Turns[] = {
    {1, TopLeft, TopRight, false},       {2, TopRight, TopLeft, false},    {3, BottomRight, BottomLeft, false},
    {4, BottomLeft, BottomRight, false}, {5, TopLeft, BottomLeft, true},   {6, BottomLeft, TopLeft, true},
    {7, BottomRight, TopRight, true},    {8, TopRight, BottomRight, true},
};

void ExpectUpright(const PictureFileContents &read, const Turn &turn, QSize stored, int tolerance)
{
    ASSERT_TRUE(read.ok) << PictureProblemText(read.problem).toStdString();
    EXPECT_EQ(read.orientation, turn.orientation);
    const QImage upright = ImageOf(read);
    ASSERT_EQ(upright.size(), turn.quarter ? stored.transposed() : stored);
    const int w = upright.width(), h = upright.height();
    EXPECT_TRUE(Near(upright.pixel(w / 4, h / 4), turn.uprightTopLeft, tolerance));
    EXPECT_TRUE(Near(upright.pixel(3 * w / 4, h / 4), turn.uprightTopRight, tolerance));
}

} // namespace

TEST(ExifOrientation, EachValueTurnsJpegAndWebPUpright)
{
    const QImage stored = Blocks(48, 32);
    const QByteArray jpeg = QtJpeg(stored);
    const QByteArray webp = LosslessWebP(stored);
    ASSERT_FALSE(webp.isEmpty());
    for (const Turn &turn : Turns) {
        SCOPED_TRACE("orientation " + std::to_string(turn.orientation));
        const QByteArray turnedJpeg = JpegWithOrientation(jpeg, turn.orientation);
        ExpectUpright(ReadPictureIn(turnedJpeg), turn, stored.size(), 40);
        // WebP writers store EXIF from its TIFF header on, or with the JPEG
        // segment's "Exif" prefix left in: both are read.
        for (const QByteArray &exif : {ExifTiff(turn.orientation), "Exif\0\0"_ba + ExifTiff(turn.orientation)}) {
            ExpectUpright(ReadPictureIn(WebPWithExif(webp, 48, 32, exif)), turn, stored.size(), 0);
        }
    }
}

// What a user does: a JPEG photo with its EXIF turned into a WebP by
// cwebp, which copies the EXIF and leaves the pixels as stored.
TEST(ExifOrientation, WebPMadeFromATurnedJpegComesInUpright)
{
    const QString cwebp = QStandardPaths::findExecutable(u"cwebp"_s);
    if (cwebp.isEmpty())
        GTEST_SKIP() << "cwebp is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage stored = Blocks(48, 32);
    QFile jpeg(dir.filePath(u"turned.jpg"_s));
    ASSERT_TRUE(jpeg.open(QIODevice::WriteOnly));
    jpeg.write(JpegWithOrientation(QtJpeg(stored), 6));
    jpeg.close();
    QProcess process;
    process.start(cwebp,
                  {u"-quiet"_s, u"-metadata"_s, u"exif"_s, jpeg.fileName(), u"-o"_s, dir.filePath(u"turned.webp"_s)});
    ASSERT_TRUE(process.waitForFinished(60'000) && process.exitCode() == 0);
    ExpectUpright(ReadPictureAt(dir.filePath(u"turned.webp"_s)), Turns[5], stored.size(), 40);
}
