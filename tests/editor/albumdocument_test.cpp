// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The album document: its list operations, and what reading a file into it
// changes and keeps.

#include "editor/document/album.h"
#include "support/testalbums.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

TEST(Album, ListOperationsKeepOrderAndTellTheView)
{
    Album album;
    QSignalSpy inserted(&album, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&album, &QAbstractItemModel::dataChanged);

    const QImage a = SolidImage(qRgb(1, 1, 1)), b = SolidImage(qRgb(2, 2, 2)), c = SolidImage(qRgb(3, 3, 3));
    album.append(a);
    album.append(c);
    album.insert(1, b);
    EXPECT_EQ(inserted.count(), 3);
    ASSERT_EQ(album.count(), 3);
    EXPECT_EQ(album.image(1), b);
    EXPECT_EQ(album.data(album.index(2), Album::ImageRole).value<QImage>(), c);

    album.exchange(0, 2);
    EXPECT_EQ(album.image(0), c);
    EXPECT_EQ(album.image(2), a);
    EXPECT_EQ(changed.count(), 2);

    album.remove(1);
    EXPECT_EQ(album.count(), 2);
    EXPECT_EQ(album.image(1), a);
    album.remove(5); // out of range: nothing
    album.removeAll();
    EXPECT_EQ(album.count(), 0);
}

TEST(Album, PasswordSignalOnlyOnRealChange)
{
    Album album;
    QSignalSpy spy(&album, &Album::passwordTextChanged);
    album.setPasswordText(QStringLiteral("12"));
    album.setPasswordText(QStringLiteral("12"));
    album.setPasswordText(QString());
    album.setPasswordText(QString());
    EXPECT_EQ(spy.count(), 2);
}

class ReadAlbumTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InitCompression());
        ASSERT_TRUE(m_dir.isValid());
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(ReadAlbumTest, ReadingAnAlbumTakesItsImagesPasswordAndPath)
{
    const QString file = path(QStringLiteral("empty.valbum"));
    ASSERT_TRUE(WriteAlbumFile(file, {}, QStringLiteral("00012345")).ok);
    Album reread;
    EXPECT_TRUE(ReadAlbum(reread, file).whole());
    EXPECT_EQ(reread.passwordText(), QStringLiteral("12345"));
    EXPECT_EQ(reread.count(), 0);
    EXPECT_EQ(reread.currentPath(), file);
}

TEST_F(ReadAlbumTest, PasswordsOutsideTheFieldReadAsEmpty)
{
    for (std::uint32_t stored : {0u, 100'000'000u, 0x80000000u, 0xFFFFFFFFu}) {
        QByteArray bytes("VAF\0\0\0\0\0", 8);
        qToLittleEndian<std::uint32_t>(stored, bytes.data() + 4);
        const QString file = path(QStringLiteral("password.valbum"));
        ASSERT_TRUE(WriteFileBytes(file, bytes));
        Album album;
        album.setPasswordText(QStringLiteral("555"));
        ReadAlbum(album, file);
        EXPECT_EQ(album.passwordText(), QString()) << stored;
    }
}

TEST_F(ReadAlbumTest, NotAnAlbumChangesNothing)
{
    Album album;
    album.append(NoisyImage(4));
    album.setPasswordText(QStringLiteral("77"));
    album.setCurrentPath(QStringLiteral("/old.valbum"));

    for (const QByteArray &bytes : {QByteArray(), QByteArray("VAF\0\0\0\0", 7), QByteArray("VAG\0\0\0\0\0", 8),
                                    QByteArray("BM some bitmap data")}) {
        const QString file = path(QStringLiteral("bad.valbum"));
        ASSERT_TRUE(WriteFileBytes(file, bytes));
        const AlbumFileContents contents = ReadAlbum(album, file);
        EXPECT_EQ(contents.outcome, AlbumReadOutcome::NotAnAlbum);
        EXPECT_EQ(album.count(), 1);
        EXPECT_EQ(album.passwordText(), QStringLiteral("77"));
        EXPECT_EQ(album.currentPath(), QStringLiteral("/old.valbum"));
    }
}

TEST_F(ReadAlbumTest, MissingFileLeavesThePathAlone)
{
    Album album;
    EXPECT_EQ(ReadAlbum(album, path(QStringLiteral("missing.valbum"))).outcome, AlbumReadOutcome::OpenFailed);
    EXPECT_TRUE(album.currentPath().isEmpty());
}

TEST_F(ReadAlbumTest, CorruptPayloadKeepsTheImagesBeforeIt)
{
    Album album;
    album.append(SolidImage(qRgb(1, 2, 3)));
    const QString file = path(QStringLiteral("corrupt.valbum"));
    ASSERT_TRUE(WriteAlbumFile(file, {NoisyImage(1), NoisyImage(2), NoisyImage(3)}).ok);
    const qsizetype second = ReadAlbumFile(file).records.at(1).offset;
    // Garble the second record's stream so that it overruns the image.
    QByteArray bytes = ReadFileBytes(file);
    for (qsizetype i = second + 4; i < second + 40; ++i)
        bytes[i] = '\xFF';
    ASSERT_TRUE(WriteFileBytes(file, bytes));

    const AlbumFileContents contents = ReadAlbum(album, file);
    EXPECT_EQ(contents.outcome, AlbumReadOutcome::Read);
    EXPECT_EQ(contents.stop, AlbumReadStop::NotDecompressible);
    EXPECT_EQ(contents.stopOffset, second);
    EXPECT_EQ(album.count(), 2); // the one it had and the first record
    EXPECT_EQ(album.currentPath(), file);
}
