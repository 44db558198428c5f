// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/password.h"
#include "albumcore/fakecompressor.h"
#include "albumfile/albumfile.h"
#include "imagerecords/imagerecord.h"
#include "support/testalbums.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

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

    static QByteArray albumBytes(const QList<QImage> &images)
    {
        const AlbumWriteResult encoded = EncodeAlbum(images);
        EXPECT_TRUE(encoded.ok);
        return AsByteArray(encoded.bytes);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(AlbumFileTest, EmptyAlbumIsMagicAndPassword)
{
    const AlbumWriteResult result = WriteAlbumFile(path("empty.valbum"), {}, QStringLiteral("00012345"));
    ASSERT_TRUE(result.ok) << result.errorString;
    EXPECT_EQ(result.imagesWritten, 0);
    EXPECT_EQ(readAll(path("empty.valbum")), QByteArray("VAF\0\x39\x30\0\0", 8));

    const AlbumFileContents contents = ReadAlbumFile(path("empty.valbum"));
    EXPECT_TRUE(contents.whole());
    EXPECT_EQ(PasswordTextFromStored(contents.password), "12345");
    EXPECT_TRUE(contents.records.empty());
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
    const AlbumWriteResult result = WriteAlbumFile(file, album, {}, FakeSizes(sizes));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, AlbumWriteFailure::ImageNotCompressible);
    EXPECT_EQ(result.failedImage, 5);
    EXPECT_EQ(readAll(file), QByteArray("previous contents"));

    // A compressor result the reader could not take back counts as a failure too.
    sizes[5] = CompressedImageCapacity + 1;
    EXPECT_FALSE(WriteAlbumFile(file, album, {}, FakeSizes(sizes)).ok);
    EXPECT_EQ(readAll(file), QByteArray("previous contents"));
}

TEST_F(AlbumFileTest, UnwritablePathsFailWithTheSystemsReason)
{
    const QList<QImage> album{NoisyImage(9)};

    const AlbumWriteResult missingFolder = WriteAlbumFile(path("no/such/folder/a.valbum"), album);
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_FALSE(missingFolder.errorString.empty());

    writeAll(path("plainfile"), "x");
    const AlbumWriteResult underAFile = WriteAlbumFile(path("plainfile/a.valbum"), album);
    EXPECT_FALSE(underAFile.ok);
    EXPECT_FALSE(underAFile.errorString.empty());
    EXPECT_EQ(readAll(path("plainfile")), QByteArray("x"));
}

TEST_F(AlbumFileTest, MissingFileIsAnOpenFailureWithTheSystemsReason)
{
    const QString file = path("missing.valbum");
    const AlbumFileContents contents = ReadAlbumFile(file);
    EXPECT_EQ(contents.outcome, AlbumReadOutcome::OpenFailed);
    EXPECT_EQ(contents.errorString, QStringLiteral("No such file or directory"));
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

// Reading takes the file's bytes and lists its records; the images are decoded
// only when asked for.
TEST_F(AlbumFileTest, ReadingKeepsTheBytesTheRecordsLieIn)
{
    const QList<QImage> images{NoisyImage(3), SolidImage(qRgb(10, 200, 30))};
    const QString file = path("two.valbum");
    ASSERT_TRUE(WriteAlbumFile(file, images).ok);
    const AlbumFileContents contents = ReadAlbumFile(file);
    ASSERT_TRUE(contents.whole());
    EXPECT_EQ(AsByteArray(contents.bytes), readAll(file));
    ASSERT_EQ(contents.records.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(DecodeRecordImage(contents.payload(i)), DeviceViewOf(images.at(qsizetype(i)))) << i;
}

#ifndef _WIN32
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
    EXPECT_EQ(QString::fromStdString(result.errorString), qt_error_string(EFBIG));
    EXPECT_EQ(readAll(file), previous);
}
#endif
