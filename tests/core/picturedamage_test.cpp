// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturetexts.h"
#include "picture/picturedamage.h"
#include "picture/picturefile.h"
#include "picture/qtconversion.h"

#include "support/bmpfixtures.h"

#include "support/testalbums.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

QImage Noisy(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            picture.setPixel(x, y, qRgb(x * 4 + int(state >> 28), y * 5, int(state >> 24)));
        }
    return picture;
}

QByteArray Encoded(const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    QImageWriter writer(&device, format);
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(Noisy(64, 48)));
    return bytes;
}

quint32 Crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG chunk with its length and a right checksum, so damage inside it is
// left for the decoder to find.
QByteArray PngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    chunk += type + data + QByteArray(4, '\0');
    qToBigEndian<quint32>(Crc32(type + data), chunk.data() + chunk.size() - 4);
    return chunk;
}

// The good PNG with its compressed rows replaced by `rows`, one data chunk.
QByteArray PngWithRows(const QByteArray &png, const std::function<QByteArray(QByteArray)> &change)
{
    QByteArray head = png.left(8);
    QByteArray rows;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "IDAT")
            rows += png.mid(at + 8, length);
        else if (type != "IEND")
            head += png.mid(at, 12 + length);
        at += 12 + length;
    }
    return head + PngChunk("IDAT", change(rows)) + PngChunk("IEND", {});
}

PictureFileContents Read(QByteArray bytes)
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return ReadPictureFile(device);
}

QByteArray WithU32(QByteArray bytes, qsizetype at, quint32 value)
{
    qToLittleEndian<quint32>(value, bytes.data() + at);
    return bytes;
}

// A run-length bitmap of `bits` (8 or 4) per pixel, four pixels wide and two
// high, two colours, of these runs.
QByteArray RleBitmap(unsigned bits, std::initializer_list<unsigned> runs)
{
    LittleEndian info;
    info.u32(40).i32(4).i32(2).u16(1).u16(bits).u32(bits == 8 ? 1 : 2).u32(0).i32(2835).i32(2835).u32(2).u32(0);
    info.u32(0x00000000).u32(0x00FFFFFF);
    LittleEndian file;
    LittleEndian data;
    data.bytes(runs);
    const auto offset = quint32(14 + info.data.size());
    file.bytes({'B', 'M'}).u32(offset + quint32(data.data.size())).u32(0).u32(offset);
    return file.bytes(info.data).bytes(data.data).data;
}

struct Case
{
    std::string name;
    QByteArray file;
};

} // namespace

TEST(PictureDamage, DamagedPicturesAreRefused)
{
    const QByteArray jpeg = Encoded("JPEG");
    const QByteArray progressive = Encoded("JPEG", true);
    const QByteArray png = Encoded("PNG");
    const QByteArray bmp = Encoded("BMP");
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    // Bytes left over after a scan may be junk after whole data, so the scan
    // is made to run out instead.
    const QByteArray scanCutInside = jpeg.left(scan + 200) + jpeg.mid(scan + 400);

    const QList<Case> cases{
        {"JPEG cut in its scan", jpeg.left(jpeg.size() * 6 / 10)},
        {"JPEG without its end marker", jpeg.left(jpeg.size() - 2)},
        {"JPEG with bytes cut from its scan", scanCutInside},
        {"progressive JPEG cut in its last scans", progressive.left(progressive.size() * 8 / 10)},
        {"PNG cut in its rows", png.left(png.size() / 2)},
        {"PNG without its end chunk", png.left(png.size() - 12)},
        {"PNG cut in its end chunk", png.left(png.size() - 1)},
        {"PNG whose rows stop early", PngWithRows(png, [](QByteArray rows) { return rows.left(rows.size() - 40); })},
        {"PNG with garbled rows",
         PngWithRows(png, [](QByteArray rows) { return rows.replace(300, 20, QByteArray(20, 'x')); })},
        {"bitmap one row short", bmp.left(bmp.size() - 64 * 3)},
        {"bitmap one byte short", bmp.left(bmp.size() - 1)},
        {"bitmap whose pixels start past its end", WithU32(bmp, 10, quint32(bmp.size()) + 1)},
        {"bitmap with a huge height", WithU32(bmp, 22, 0x7FFFFFFF)},
        {"RLE8 run past the row end", RleBitmap(8, {5, 1, 0, 0, 4, 0, 0, 1})},
        {"RLE8 literal past the row end", RleBitmap(8, {0, 3, 1, 1, 1, 0, 2, 1, 0, 0, 4, 0, 0, 1})},
        {"RLE8 move out of the picture", RleBitmap(8, {4, 1, 0, 2, 0, 2, 0, 1})},
        {"RLE8 rows above the top", RleBitmap(8, {4, 1, 0, 0, 4, 0, 0, 0, 4, 1, 0, 1})},
        {"RLE8 data ending early", RleBitmap(8, {4, 1, 0, 0, 2, 0})},
        {"RLE8 literal cut short", RleBitmap(8, {4, 1, 0, 0, 0, 4, 1})},
        {"GIF cut in its colour table", OnePixelGif.left(16)},
        {"GIF cut in its pixels", OnePixelGif.left(OnePixelGif.size() - 2)},
        {"RLE4 run past the row end", RleBitmap(4, {4, 0x10, 0, 0, 5, 0x01, 0, 1})},
        {"RLE4 literal past the row end", RleBitmap(4, {0, 5, 0x10, 0x10, 0x10, 0, 0, 0, 4, 0, 0, 1})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PictureFileContents loaded = Read(c.file);
        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(loaded.problem.kind, PictureProblem::Kind::Damaged);
    }
}

TEST(PictureDamage, WholePicturesWithHarmlessOdditiesLoad)
{
    const QByteArray bmp = Encoded("BMP");
    QList<Case> cases{
        {"JPEG", Encoded("JPEG")},
        {"progressive JPEG", Encoded("JPEG", true)},
        {"JPEG followed by other bytes", Encoded("JPEG") + "trailing"},
        {"PNG", Encoded("PNG")},
        {"PNG followed by other bytes", Encoded("PNG") + "trailing"},
        {"GIF without its trailer", OnePixelGif.chopped(1)},
        {"GIF followed by other bytes", OnePixelGif + "trailing"},
        {"bitmap", bmp},
        {"bitmap with a zero file size", WithU32(bmp, 2, 0)},
        {"bitmap with a file size past its end", WithU32(bmp, 2, 0xFFFFFFFF)},
        {"bitmap with odd resolutions", WithU32(WithU32(bmp, 38, 0xFFFFFFFF), 42, 0)},
        {"bitmap with a zero image size", WithU32(bmp, 34, 0)},
        {"RLE8 ending at the picture's end without the marker", RleBitmap(8, {4, 1, 0, 0, 4, 0})},
        {"RLE8 ending after the last row without the marker", RleBitmap(8, {4, 1, 0, 0, 4, 0, 0, 0})},
        {"RLE8 moving within the picture", RleBitmap(8, {0, 2, 2, 1, 2, 1, 0, 1})},
        {"RLE8 ending early with the marker", RleBitmap(8, {2, 1, 0, 1})},
    };
    for (const BmpFixture &fixture : BmpFixtures())
        cases.append({fixture.name.toStdString(), fixture.file});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PictureFileContents loaded = Read(c.file);
        EXPECT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
    }
}
