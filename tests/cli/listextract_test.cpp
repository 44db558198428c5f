// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clitestsupport.h"

#include "album/compression.h"
#include "albumfile/albumfile.h"
#include "qtimage/albumbitmap.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// An album made by the program, listed and taken apart whole and damaged.
class ListAndExtract : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        m_pictures = {savePicture(u"wide.png"_s, GradientPicture(400, 100)),
                      savePicture(u"noise.bmp"_s, NoisyPicture(92, 92, 3)),
                      savePicture(u"tall.jpg"_s, GradientPicture(50, 300))};
        m_album = path(u"album.valbum"_s);
        ASSERT_EQ(runValbum(QStringList{u"create"_s, u"--password=2024"_s, m_album} + m_pictures).exitCode, 0);
        m_bytes = readFileBytes(m_album);
        m_records = ReadAlbumFile(m_album).records;
        ASSERT_EQ(m_records.size(), 3u);
    }

    QJsonObject listJson(const QString &album, int expectedStatus)
    {
        const ProgramRun run = runValbum({u"list"_s, u"--json"_s, album});
        EXPECT_EQ(run.exitCode, expectedStatus) << run.err.toStdString();
        QJsonParseError error;
        const QJsonObject listing = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
        return listing;
    }

    QString damaged(const QByteArray &bytes)
    {
        writeFileBytes(path(u"damaged.valbum"_s), bytes);
        return path(u"damaged.valbum"_s);
    }

    // The first `count` extracted files in `outDir` show the first `count` pictures.
    void expectExtracted(const QString &outDir, int count)
    {
        const QStringList names = QDir(outDir).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(names.size(), count) << names.join(' ').toStdString();
        for (int index = 0; index < count; ++index) {
            EXPECT_TRUE(names[index].startsWith(QString::asprintf("%03d.", index))) << names[index].toStdString();
            EXPECT_TRUE(samePixels(QImage(QDir(outDir).filePath(names[index])),
                                   DeviceViewOf(editorAlbumImage(m_pictures[index]))));
        }
    }

    QStringList m_pictures;
    QString m_album;
    QByteArray m_bytes;
    std::vector<RecordLocation> m_records;
};

TEST_F(ListAndExtract, ListingDescribesTheFile)
{
    const QJsonObject listing = listJson(m_album, 0);
    EXPECT_EQ(listing[u"password"_s].toString(), u"2024"_s);
    EXPECT_EQ(listing[u"images"_s].toInt(), 3);
    EXPECT_EQ(listing[u"bytes_free"_s].toInteger(), AlbumSizeLimit - m_bytes.size());
    // The records follow one another from the header to the end of the file.
    qint64 offset = AlbumHeaderSize;
    for (const QJsonValue &record : listing[u"records"_s].toArray()) {
        EXPECT_EQ(record[u"offset"_s].toInteger(), offset);
        offset += RecordHeaderSize + record[u"size"_s].toInteger();
    }
    EXPECT_EQ(offset, m_bytes.size());
    EXPECT_FALSE(listing.contains(u"damage"_s));

    const QString text = runValbum({u"list"_s, m_album}).out;
    EXPECT_TRUE(text.startsWith(u"password: 2024\nimages: 3\n000  offset     8  size"_s)) << text.toStdString();
}

TEST_F(ListAndExtract, ExtractedPicturesAreTheAlbumsGreys)
{
    for (const QString &format : {u"png"_s, u"bmp"_s}) {
        const ProgramRun run = runValbum({u"extract"_s, m_album, path(u"new/"_s + format), u"--format"_s, format});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        expectExtracted(path(u"new/"_s + format), 3);
        EXPECT_TRUE(QFileInfo::exists(path(u"new/%1/002.%1"_s.arg(format))));
    }
}

// A folder that cannot be made says why, for extract and preview alike.
TEST_F(ListAndExtract, AFolderThatCannotBeMadeSaysWhy)
{
    const QString under = m_album + u"/out"_s; // a folder inside a file
    for (const QStringList &arguments :
         {QStringList{u"extract"_s, m_album, under}, QStringList{u"preview"_s, under, m_pictures.at(0)}}) {
        const ProgramRun run = runValbum(arguments);
        EXPECT_EQ(run.exitCode, 5) << run.err.toStdString();
        EXPECT_EQ(run.err, u"valbum: %1: the directory cannot be created: Not a directory\n"_s.arg(under));
    }
}

// A file that does not open as an album is named in plain words, and a
// script asking for JSON still gets one object, which says why.
TEST_F(ListAndExtract, NotAnAlbumOrMissing)
{
    const QString missing = path(u"missing.valbum"_s);
    const QString notAlbum = damaged("VAF");
    const QList<std::tuple<QString, QString, QString>> cases{
        {notAlbum, u"%1 is not an album."_s.arg(notAlbum), u"not_an_album"_s},
        {missing, u"Cannot open file \"%1\". "_s.arg(missing), u"cannot_open"_s}};
    for (const auto &[file, message, kind] : cases) {
        for (const QStringList &arguments : {QStringList{u"list"_s, file}, {u"extract"_s, file, path(u"out"_s)}}) {
            const ProgramRun run = runValbum(arguments);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.out.isEmpty() && run.err.startsWith(u"valbum: "_s + message)) << run.err.toStdString();
        }
        const QJsonObject error = listJson(file, 2)[u"error"_s].toObject();
        EXPECT_EQ(error[u"kind"_s].toString(), kind);
        EXPECT_TRUE(error[u"message"_s].toString().startsWith(message)) << error[u"message"_s].toString().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path(u"out"_s)));
}

TEST_F(ListAndExtract, DamagedAlbumGivesTheImagesBeforeTheDamage)
{
    const RecordLocation &second = m_records[1];
    const RecordLocation &third = m_records[2];
    QByteArray corrupt = m_bytes;
    corrupt.replace(second.offset + RecordHeaderSize, second.payloadSize, QByteArray(second.payloadSize, '\xFF'));
    const qint64 cut = third.offset + RecordHeaderSize + third.payloadSize / 2;
    const QList<std::tuple<QByteArray, int, QString>> cases{
        {corrupt, 1,
         u"1 image was read, and the rest of the file could not be read (a record does not decompress, at offset %1)"_s
             .arg(second.offset)},
        {m_bytes.left(cut), 2,
         u"2 images were read, and the rest of the file could not be read (a record runs past the end of the file, at offset %1)"_s
             .arg(third.offset)}};

    for (const auto &[bytes, readable, message] : cases) {
        const QString file = damaged(bytes);
        const ProgramRun run = runValbum({u"list"_s, file});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.contains(u"images: %1\n"_s.arg(readable))) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
        EXPECT_EQ(listJson(file, 2)[u"records"_s].toArray().size(), readable);

        const QString outDir = path(u"rescued%1"_s.arg(readable));
        EXPECT_EQ(runValbum({u"extract"_s, file, outDir}).exitCode, 2);
        expectExtracted(outDir, readable);
    }
}

// A script tells the kinds of damage apart by `kind` and finds the sentence
// that standard error carries in `message`.
TEST_F(ListAndExtract, JsonNamesEachKindOfDamage)
{
    const RecordLocation &second = m_records[1];
    const RecordLocation &third = m_records[2];
    const auto withThirdLength = [&](std::uint16_t length) {
        QByteArray bytes = m_bytes;
        qToLittleEndian(length, bytes.data() + third.offset);
        return bytes;
    };
    QByteArray corrupt = m_bytes;
    corrupt.replace(second.offset + RecordHeaderSize, second.payloadSize, QByteArray(second.payloadSize, '\xFF'));
    const QByteArray oversize = withThirdLength(CompressedImageCapacity + ReservedFieldSize + 1)
                                + QByteArray(static_cast<qsizetype>(CompressedImageCapacity), '\0');
    // Plain records, one more than a read takes.
    const QByteArray plain = AsByteArray(EncodeAlbum({SolidImage(qRgb(255, 255, 255))}).bytes).mid(AlbumHeaderSize);
    const QByteArray overCap = m_bytes.left(AlbumHeaderSize) + plain.repeated(MaxImagesPerRead + 1);

    const QList<std::tuple<QString, QByteArray, qint64>> cases{
        {u"record_past_end"_s, m_bytes.left(third.offset + RecordHeaderSize + third.payloadSize / 2), third.offset},
        {u"record_too_short"_s, withThirdLength(1), third.offset},
        {u"payload_too_large"_s, oversize, third.offset},
        {u"not_decompressible"_s, corrupt, second.offset},
        {u"bytes_left_over"_s, m_bytes + "12345", m_bytes.size()},
        {u"image_cap"_s, overCap, AlbumHeaderSize + MaxImagesPerRead * plain.size()},
    };
    for (const auto &[kind, bytes, offset] : cases) {
        const ProgramRun run = runValbum({u"list"_s, u"--json"_s, damaged(bytes)});
        const QJsonObject damage = QJsonDocument::fromJson(run.out.toUtf8())[u"damage"_s].toObject();
        EXPECT_EQ(run.exitCode, 2) << kind.toStdString();
        EXPECT_EQ(damage[u"kind"_s].toString().toStdString(), kind.toStdString());
        EXPECT_EQ(damage[u"offset"_s].toInteger(), offset) << kind.toStdString();
        EXPECT_EQ((u"valbum: "_s + damage[u"message"_s].toString() + u'\n').toStdString(), run.err.toStdString());
    }
}

TEST_F(ListAndExtract, AlbumOverTheLimitHasNoBytesFree)
{
    QList<QImage> noise;
    for (std::uint32_t seed = 0; seed < 12; ++seed)
        noise.append(NoisyPicture(92, 92, seed));
    const QByteArray half = AsByteArray(EncodeAlbum(noise, {}).bytes);
    // Two albums' records run together: readable, but larger than the device takes.
    const QJsonObject listing = listJson(damaged(half + half.mid(AlbumHeaderSize)), 0);
    EXPECT_EQ(listing[u"images"_s].toInt(), 24);
    EXPECT_EQ(listing[u"bytes_free"_s].toInteger(), 0);
}

} // namespace
