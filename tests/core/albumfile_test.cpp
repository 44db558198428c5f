// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/albumreader.h"
#include "album/albumwriter.h"
#include "album/password.h"
#include "support/testalbums.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>

namespace {

class AlbumFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InitCompression());
        ASSERT_TRUE(m_dir.isValid());
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static QByteArray readAll(const QString &file)
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    static void writeAll(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    static PackedImage packedOf(const QImage &image)
    {
        PackedImage packed{};
        EncodeImage(image, packed);
        return packed;
    }

    // Album bytes with the given images, as the writer produces them.
    static QByteArray albumBytes(const QList<QImage> &images, const QString &password = {})
    {
        const AlbumWriteResult encoded = EncodeAlbum(images, password);
        EXPECT_TRUE(encoded.ok);
        return encoded.bytes;
    }

    static AlbumFileContents parse(const QByteArray &bytes)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        return ParseAlbum(buffer);
    }

    static void setLength(QByteArray &bytes, qsizetype recordOffset, std::uint16_t length)
    {
        qToLittleEndian<std::uint16_t>(length, bytes.data() + recordOffset);
    }

    // A compressor that claims the given sizes, one per image, without compressing.
    static ImageCompressor fakeSizes(std::vector<std::size_t> sizes)
    {
        auto next = std::make_shared<std::size_t>(0);
        return [sizes = std::move(sizes), next](const PackedImage &, std::vector<std::uint8_t> &out) {
            const std::size_t size = sizes.at(std::min(*next, sizes.size() - 1));
            ++*next;
            out.assign(size, 0x11);
            return size;
        };
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(AlbumFileTest, EmptyAlbumIsMagicAndPassword)
{
    const AlbumWriteResult result = WriteAlbumFile(path("empty.valbum"), {}, QStringLiteral("00012345"));
    ASSERT_TRUE(result.ok) << result.errorString.toStdString();
    EXPECT_EQ(result.imagesWritten, 0);
    EXPECT_EQ(readAll(path("empty.valbum")), QByteArray("VAF\0\x39\x30\0\0", 8));

    const AlbumFileContents contents = ReadAlbumFile(path("empty.valbum"));
    EXPECT_TRUE(contents.whole());
    EXPECT_EQ(PasswordTextFromStored(contents.password), QStringLiteral("12345"));
    EXPECT_EQ(contents.images.size(), 0);
}

TEST_F(AlbumFileTest, ImagesAndPasswordRoundTrip)
{
    const QList<QImage> originals{NoisyImage(1), SolidImage(qRgb(255, 0, 0)), NoisyImage(2), SolidImage(qRgb(0, 0, 0))};
    const QString file = path("four.valbum");
    ASSERT_TRUE(WriteAlbumFile(file, originals, QStringLiteral("87654321")).ok);

    const AlbumFileContents reread = ReadAlbumFile(file);
    ASSERT_EQ(reread.images.size(), originals.size());
    const QString passwordText = PasswordTextFromStored(reread.password);
    EXPECT_EQ(passwordText, QStringLiteral("87654321"));
    for (int i = 0; i < originals.size(); ++i)
        EXPECT_EQ(packedOf(reread.images.at(i)), packedOf(originals.at(i))) << i;

    // Saving what was read gives the same bytes again.
    const QString again = path("again.valbum");
    ASSERT_TRUE(WriteAlbumFile(again, reread.images, passwordText).ok);
    EXPECT_EQ(readAll(again), readAll(file));
}

TEST_F(AlbumFileTest, RecordsStopAtTheSizeLimit)
{
    QList<QImage> album;
    for (int i = 0; i < 45; ++i)
        album.append(SolidImage(qRgb(i, i, i)));

    // 2,000-byte payloads make 2,004-byte records: 40 end at 80,168; a 41st would end at 82,172.
    const AlbumWriteResult forty = WriteAlbumFile(path("forty.valbum"), album, {}, fakeSizes({2000}));
    ASSERT_TRUE(forty.ok);
    EXPECT_EQ(forty.imagesWritten, 40);
    EXPECT_EQ(forty.imageCount, 45);
    EXPECT_EQ(readAll(path("forty.valbum")).size(), 80'168);

    // 20 records of 4,004 bytes end at 80,088; a record of 1,832 bytes ends at exactly 81,920 and is written.
    std::vector<std::size_t> exact(20, 4000);
    exact.push_back(1828);
    const AlbumWriteResult full = WriteAlbumFile(path("exact.valbum"), album, {}, fakeSizes(exact));
    EXPECT_EQ(full.imagesWritten, 21);
    EXPECT_EQ(readAll(path("exact.valbum")).size(), AlbumSizeLimit);

    exact.back() = 1829;
    const AlbumWriteResult over = WriteAlbumFile(path("over.valbum"), album, {}, fakeSizes(exact));
    EXPECT_EQ(over.imagesWritten, 20);
    EXPECT_EQ(readAll(path("over.valbum")).size(), 80'088);
}

TEST_F(AlbumFileTest, FailedCompressionFailsTheWriteAndKeepsTheOldFile)
{
    const QString file = path("kept.valbum");
    writeAll(file, QByteArray("previous contents"));
    QList<QImage> album;
    for (int i = 0; i < 8; ++i)
        album.append(NoisyImage(static_cast<std::uint32_t>(i)));

    std::vector<std::size_t> sizes(8, 100);
    sizes[5] = 0;
    const AlbumWriteResult result = WriteAlbumFile(file, album, {}, fakeSizes(sizes));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, AlbumWriteFailure::ImageNotCompressible);
    EXPECT_EQ(result.failedImage, 5);
    EXPECT_EQ(readAll(file), QByteArray("previous contents"));

    // A compressor result the reader could not take back counts as a failure too.
    sizes[5] = CompressedImageCapacity + 1;
    EXPECT_FALSE(WriteAlbumFile(file, album, {}, fakeSizes(sizes)).ok);
    EXPECT_EQ(readAll(file), QByteArray("previous contents"));
}

TEST_F(AlbumFileTest, UnwritablePathsFailWithTheSystemsReason)
{
    const QList<QImage> album{NoisyImage(9)};

    const AlbumWriteResult missingFolder = WriteAlbumFile(path("no/such/folder/a.valbum"), album);
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_FALSE(missingFolder.errorString.isEmpty());

    writeAll(path("plainfile"), "x");
    const AlbumWriteResult underAFile = WriteAlbumFile(path("plainfile/a.valbum"), album);
    EXPECT_FALSE(underAFile.ok);
    EXPECT_FALSE(underAFile.errorString.isEmpty());
    EXPECT_EQ(readAll(path("plainfile")), QByteArray("x"));
}

TEST_F(AlbumFileTest, MissingFileIsAnOpenFailureWithTheSystemsReason)
{
    const QString file = path("missing.valbum");
    const AlbumFileContents contents = ReadAlbumFile(file);
    EXPECT_EQ(contents.outcome, AlbumReadOutcome::OpenFailed);
    EXPECT_EQ(contents.errorString, QStringLiteral("No such file or directory"));
}

TEST_F(AlbumFileTest, ReadingStopsAtBadRecordLengthsAndSaysWhy)
{
    const QByteArray good = albumBytes({NoisyImage(1), NoisyImage(2)});
    const AlbumFileContents whole = parse(good);
    ASSERT_EQ(whole.images.size(), 2);
    const qsizetype second = whole.records.at(1).offset;

    struct Case
    {
        const char *name;
        std::uint16_t length;
        AlbumReadStop stop;
    };
    const qsizetype remaining = good.size() - second - 2;
    for (const Case &c : {Case{"past the end", static_cast<std::uint16_t>(remaining + 1), AlbumReadStop::RecordPastEnd},
                          Case{"zero", 0, AlbumReadStop::RecordTooShort}, Case{"one", 1, AlbumReadStop::RecordTooShort},
                          Case{"over the buffer", static_cast<std::uint16_t>(CompressedImageCapacity + 3),
                               AlbumReadStop::PayloadTooLarge}}) {
        QByteArray bytes = good;
        setLength(bytes, second, c.length);
        if (c.length > remaining)
            bytes.append(QByteArray(c.length, '\0')); // keep "over the buffer" inside the file
        if (QByteArray(c.name) == "past the end")
            bytes = bytes.left(good.size());
        const AlbumFileContents contents = parse(bytes);
        EXPECT_EQ(contents.outcome, AlbumReadOutcome::Read) << c.name;
        EXPECT_EQ(contents.images.size(), 1) << c.name;
        EXPECT_EQ(contents.stop, c.stop) << c.name;
        EXPECT_EQ(contents.stopOffset, second) << c.name;
    }
}

TEST_F(AlbumFileTest, NoRecordStartsWithEightOrFewerBytesLeft)
{
    QByteArray bytes = albumBytes({NoisyImage(5)});
    // Eight trailing bytes that would be a broken record are never decoded: too few for any real record.
    bytes.append(QByteArray("\x05\x00\x00\x00\xFF\xFF\xFF\xFF", 8));
    const AlbumFileContents contents = parse(bytes);
    EXPECT_EQ(contents.images.size(), 1);
    EXPECT_EQ(contents.stop, AlbumReadStop::BytesLeftOver);
    EXPECT_EQ(contents.stopOffset, bytes.size() - 8);

    bytes.append('\0'); // nine: now a record is started, and it is broken
    EXPECT_EQ(parse(bytes).stop, AlbumReadStop::NotDecompressible);
}

TEST_F(AlbumFileTest, EveryTruncationAndBitFlipEndsInAnOutcome)
{
    const QByteArray good = albumBytes({NoisyImage(11), SolidImage(qRgb(200, 10, 10))}, QStringLiteral("42"));
    for (qsizetype length = 0; length <= good.size(); ++length) {
        const AlbumFileContents contents = parse(good.left(length));
        EXPECT_LE(contents.images.size(), 2);
    }
    for (qsizetype bit = 0; bit < qMin<qsizetype>(good.size(), 600) * 8; ++bit) {
        QByteArray flipped = good;
        flipped[bit / 8] = static_cast<char>(flipped[bit / 8] ^ (1 << (bit % 8)));
        const AlbumFileContents contents = parse(flipped);
        for (const QImage &image : contents.images)
            ASSERT_EQ(image.size(), QSize(92, 92));
    }
}

TEST_F(AlbumFileTest, ImageOfTheWrongSizeFailsTheWrite)
{
    const QList<QImage> album{NoisyImage(1), QImage(40, 40, QImage::Format_RGB32)};
    const AlbumWriteResult result = WriteAlbumFile(path("wrong.valbum"), album);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, AlbumWriteFailure::ImageNotAlbumSized);
    EXPECT_EQ(result.failedImage, 1);
    EXPECT_FALSE(QFile::exists(path("wrong.valbum")));
}

// A disk that fills up mid-save: the system's reason is reported, whichever
// step of the save meets it, and the previous album stays. A file size limit
// makes the kernel refuse the write the way a full disk does.
TEST_F(AlbumFileTest, AFullDiskGivesTheSystemsReasonAndKeepsTheOldFile)
{
    const QString file = path("kept.valbum");
    const QByteArray previous = albumBytes({SolidImage(qRgb(9, 9, 9))});
    writeAll(file, previous);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const AlbumWriteResult result = WriteAlbumFile(file, {NoisyImage(1), NoisyImage(2)}, {});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, AlbumWriteFailure::FileNotWritten);
    EXPECT_EQ(result.errorString, qt_error_string(EFBIG));
    EXPECT_EQ(readAll(file), previous);
}
