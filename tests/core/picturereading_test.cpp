// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/orientation.h"
#include "picture/picturebytes.h"
#include "picture/picturesignature.h"
#include "picture/straightalpha.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/albumimage.h"

#include "support/readpictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// The type Qt's readers decide from the contents, as the import once asked them.
QByteArray QtFormatOf(const QByteArray &file)
{
    QByteArray bytes = file;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    return reader.format().toLower();
}

const char *NameOf(PictureType type)
{
    switch (type) {
    case PictureType::Bmp:
        return "bmp";
    case PictureType::Png:
        return "png";
    case PictureType::Jpeg:
        return "jpeg";
    case PictureType::Gif:
        return "gif";
    case PictureType::Ico:
        return "ico";
    default:
        return "";
    }
}

// An icon directory of one entry: reserved, type, count, then the entry's
// width, height, colours, reserved byte, planes, depth, length and offset.
QByteArray IconDirectory(quint16 reserved, quint16 type, quint8 entryReserved, quint16 planes, quint16 depth,
                         quint32 length)
{
    QByteArray bytes;
    const auto put16 = [&](quint16 v) { bytes += char(v & 0xFF), bytes += char(v >> 8); };
    const auto put32 = [&](quint32 v) { put16(quint16(v & 0xFFFF)), put16(quint16(v >> 16)); };
    put16(reserved);
    put16(type);
    put16(1);
    bytes += char(16), bytes += char(16), bytes += char(0), bytes += char(entryReserved);
    put16(planes);
    put16(depth);
    put32(length);
    put32(22);
    return bytes + QByteArray(40, '\0');
}

} // namespace

// The type is told from the first bytes exactly where Qt's readers told it,
// near misses included: each case is also asked of Qt.
TEST(PictureSignature, TellsTheTypesQtsReadersTold)
{
    struct Case
    {
        const char *name;
        QByteArray file;
        PictureType type;
    };
    const Case cases[] = {
        {"bitmap", QByteArray("BM") + QByteArray(60, '\0'), PictureType::Bmp},
        {"bitmap, header alone", QByteArray("BM"), PictureType::Bmp},
        {"PNG", Hex("89504e470d0a1a0a0000000d49484452"), PictureType::Png},
        {"PNG, signature cut", Hex("89504e470d0a1a"), PictureType::None},
        {"JPEG", Hex("ffd8ffe000104a464946"), PictureType::Jpeg},
        {"JPEG, two bytes", Hex("ffd8"), PictureType::Jpeg},
        {"GIF87a", QByteArray("GIF87a") + QByteArray(20, '\0'), PictureType::Gif},
        {"GIF89a", QByteArray("GIF89a") + QByteArray(20, '\0'), PictureType::Gif},
        {"GIF88a", QByteArray("GIF88a") + QByteArray(20, '\0'), PictureType::None},
        {"icon", IconDirectory(0, 1, 0, 1, 32, 40), PictureType::Ico},
        {"cursor, hot spot where the planes are", IconDirectory(0, 2, 0, 7, 40, 40), PictureType::Ico},
        {"icon of two planes", IconDirectory(0, 1, 0, 2, 32, 40), PictureType::None},
        {"icon of 33 bits", IconDirectory(0, 1, 0, 1, 33, 40), PictureType::None},
        {"icon, reserved set", IconDirectory(1, 1, 0, 1, 32, 40), PictureType::None},
        {"icon, entry's reserved byte set", IconDirectory(0, 1, 1, 1, 32, 40), PictureType::None},
        {"icon of type 3", IconDirectory(0, 3, 0, 1, 32, 40), PictureType::None},
        {"icon shorter than a bitmap header", IconDirectory(0, 1, 0, 1, 32, 39), PictureType::None},
        {"icon directory cut short", IconDirectory(0, 1, 0, 1, 32, 40).left(21), PictureType::None},
        {"Netpbm", QByteArray("P6\n1 1\n255\n\x01\x02\x03"), PictureType::None},
        {"text", QByteArray("hello, world"), PictureType::None},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PictureType type = PictureTypeOf(BytesOf(c.file));
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(QtFormatOf(c.file) == "ppm" ? QByteArray() : QtFormatOf(c.file), QByteArray(NameOf(type)));
    }
}

// Each orientation turns and mirrors as Qt's readers did for the same tag.
TEST(Orientation, EachValueTurnsAsQtTurnedIt)
{
    RgbPicture picture(3, 2);
    for (int i = 0; i < 6; ++i)
        picture.pixels[std::size_t(i)] = 0xFF000000u | Rgb(i * 40);
    const QImage source = QImageOf(picture);
    const QImageIOHandler::Transformations qtFor[] = {
        QImageIOHandler::TransformationNone,      QImageIOHandler::TransformationNone,
        QImageIOHandler::TransformationMirror,    QImageIOHandler::TransformationRotate180,
        QImageIOHandler::TransformationFlip,      QImageIOHandler::TransformationFlipAndRotate90,
        QImageIOHandler::TransformationRotate90,  QImageIOHandler::TransformationMirrorAndRotate90,
        QImageIOHandler::TransformationRotate270, QImageIOHandler::TransformationNone};
    for (int orientation = 0; orientation <= 9; ++orientation) {
        SCOPED_TRACE(orientation);
        QImage expected = source.copy();
        const QImageIOHandler::Transformations t = qtFor[orientation];
        if (t == QImageIOHandler::TransformationRotate270) {
            expected = expected.transformed(QTransform().rotate(270));
        } else {
            expected = expected.mirrored(t.testFlag(QImageIOHandler::TransformationMirror),
                                         t.testFlag(QImageIOHandler::TransformationFlip));
            if (t.testFlag(QImageIOHandler::TransformationRotate90))
                expected = expected.transformed(QTransform().rotate(90));
        }
        EXPECT_EQ(QImageOf(OrientedPicture(picture, orientation)), expected.convertToFormat(QImage::Format_RGB32));
    }
}

// Dividing the alpha back out and multiplying again, as Qt's painter
// multiplies, gives every premultiplied pixel back: composing on white draws
// the same pixels as before.
TEST(StraightAlpha, PremultiplyingAgainGivesThePixelBack)
{
    int checked = 0;
    for (Rgb alpha = 0; alpha <= 255; ++alpha)
        for (Rgb colour = 0; colour <= alpha; ++colour) {
            const Rgb premultiplied = (alpha << 24) | (colour << 16) | ((alpha - colour) << 8) | (colour / 2);
            const Rgb straight = StraightFromPremultiplied(premultiplied);
            ASSERT_EQ(qAlpha(straight), int(alpha));
            ASSERT_EQ(qPremultiply(straight), alpha == 0 ? 0u : premultiplied) << std::hex << premultiplied;
            ++checked;
        }
    EXPECT_EQ(checked, 256 * 257 / 2);
}

// A regular file, a FIFO and the missing or unreadable get the verdicts
// they always got; a stream gives the same bytes as the file.
TEST(PictureBytes, FilesAndStreamsGiveTheSameBytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray contents = QByteArray("GIF89a") + QByteArray(3 << 20, 'x'); // more than one chunk
    const QString regular = dir.filePath(QStringLiteral("regular"));
    QFile file(regular);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();

    const PictureBytes read = ReadPictureFileBytes(PicturePath(regular));
    ASSERT_EQ(read.outcome, PictureBytes::Outcome::Read);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(read.bytes.data()), qsizetype(read.bytes.size())), contents);

    struct Refusal
    {
        QString path;
        std::string reason;
    };
    for (const Refusal &refusal : {Refusal{dir.path(), "file to open is a directory"},
                                   Refusal{dir.filePath(QStringLiteral("missing")), "No such file or directory"}}) {
        const PictureBytes refused = ReadPictureFileBytes(PicturePath(refusal.path));
        EXPECT_EQ(refused.outcome, PictureBytes::Outcome::CannotOpen);
        EXPECT_EQ(refused.error, refusal.reason);
    }

#ifndef _WIN32
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::thread writer([&] {
        QFile end(fifo);
        if (end.open(QIODevice::WriteOnly))
            end.write(contents);
    });
    const PictureBytes streamed = ReadPictureFileBytes(PicturePath(fifo));
    writer.join();
    ASSERT_EQ(streamed.outcome, PictureBytes::Outcome::Read);
    EXPECT_EQ(streamed.bytes, read.bytes);
#endif
}
