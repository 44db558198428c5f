// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/albumreader.h"
#include "album/albumwriter.h"
#include "album/littleendian.h"
#include "album/password.h"
#include "coretestsupport.h"
#include "fakecompressor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

PackedImage PackedOf(const AlbumBitmap &image)
{
    PackedImage packed{};
    EncodeImage(image.view(), packed);
    return packed;
}

// Album bytes with the given images, as the writer produces them.
Bytes AlbumBytes(const std::vector<AlbumBitmap> &images, std::string_view password = {})
{
    const AlbumWriteResult encoded = EncodeBitmaps(images, password);
    EXPECT_TRUE(encoded.ok);
    return encoded.bytes;
}

void SetLength(Bytes &bytes, std::int64_t recordOffset, std::uint16_t length)
{
    bytes[static_cast<std::size_t>(recordOffset)] = static_cast<std::uint8_t>(length);
    bytes[static_cast<std::size_t>(recordOffset) + 1] = static_cast<std::uint8_t>(length >> 8);
}

std::vector<AlbumBitmap> Solids(int count)
{
    std::vector<AlbumBitmap> album;
    for (int i = 0; i < count; ++i)
        album.push_back(SolidBitmap(MakeRgb(i, i, i)));
    return album;
}

} // namespace

TEST(Album, EmptyAlbumIsMagicAndPassword)
{
    const AlbumWriteResult result = EncodeBitmaps({}, "00012345");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.imagesWritten, 0);
    EXPECT_EQ(result.bytes, BytesOf(std::string_view("VAF\0\x39\x30\0\0", 8)));

    const AlbumRecords contents = ParseAlbum(result.bytes);
    EXPECT_TRUE(contents.whole());
    EXPECT_EQ(PasswordTextFromStored(contents.password), "12345");
    EXPECT_TRUE(contents.records.empty());
}

TEST(Album, ImagesAndPasswordRoundTripByteForByte)
{
    const std::vector<AlbumBitmap> originals{NoisyBitmap(1), SolidBitmap(MakeRgb(255, 0, 0)), NoisyBitmap(2),
                                             SolidBitmap(MakeRgb(0, 0, 0))};
    const Bytes file = AlbumBytes(originals, "87654321");

    const AlbumRecords reread = ParseAlbum(file);
    ASSERT_EQ(reread.records.size(), originals.size());
    const std::string passwordText = PasswordTextFromStored(reread.password);
    EXPECT_EQ(passwordText, "87654321");
    std::vector<AlbumBitmap> images(originals.size());
    for (std::size_t i = 0; i < originals.size(); ++i) {
        ASSERT_TRUE(DecodeRecord(RecordPayload(file, reread.records[i]), images[i]));
        EXPECT_EQ(PackedOf(images[i]), PackedOf(originals[i])) << i;
    }

    // Saving what was read gives the same bytes again.
    EXPECT_EQ(AlbumBytes(images, passwordText), file);
}

// Listing an album reads each record's place, never its pixels: the records
// of a hand-made album come out where its bytes put them, and each payload is
// the one written there.
TEST(Album, ParsingListsRecordsWithoutDecodingThem)
{
    const Bytes file = AlbumBytes({NoisyBitmap(3), SolidBitmap(MakeRgb(90, 90, 90)), NoisyBitmap(4)});
    const AlbumRecords listed = ParseAlbum(file);
    ASSERT_EQ(listed.records.size(), 3u);
    std::int64_t offset = AlbumHeaderSize;
    for (const RecordLocation &record : listed.records) {
        EXPECT_EQ(record.offset, offset);
        const auto length = ReadLittleEndian<std::uint16_t>(std::span(file).subspan(std::size_t(offset)));
        EXPECT_EQ(record.payloadSize, length - ReservedFieldSize);
        const std::span payload = RecordPayload(file, record);
        EXPECT_EQ(payload.data(), file.data() + record.payloadOffset());
        EXPECT_EQ(payload.size(), std::size_t(record.payloadSize));
        offset += RecordHeaderSize + record.payloadSize;
    }
    EXPECT_EQ(offset, std::int64_t(file.size()));

    // A file longer than what was read of it lists the same records from the
    // bytes at hand, and calls the part never read what it is.
    const AlbumRecords prefix =
        ParseAlbum(std::span(file).first(std::size_t(listed.records[2].offset)), std::int64_t(file.size()));
    EXPECT_EQ(prefix.records.size(), 2u);
    EXPECT_EQ(prefix.stop, AlbumReadStop::RecordPastEnd);
    EXPECT_EQ(prefix.stopOffset, listed.records[2].offset);
}

TEST(Album, LittleEndianHelpersKeepTheByteOrder)
{
    Bytes bytes;
    AppendLittleEndian<std::uint32_t>(bytes, 0x00464156);
    AppendLittleEndian<std::uint16_t>(bytes, 0xBEEF);
    EXPECT_EQ(bytes, (Bytes{0x56, 0x41, 0x46, 0x00, 0xEF, 0xBE}));
    EXPECT_EQ(ReadLittleEndian<std::uint32_t>(bytes), AlbumMagic);
    EXPECT_EQ(ReadLittleEndian<std::uint16_t>(std::span(bytes).subspan(4)), 0xBEEF);
}

TEST(Album, RecordsStopAtTheSizeLimit)
{
    const std::vector<AlbumBitmap> album = Solids(45);

    // 2,000-byte payloads make 2,004-byte records: 40 end at 80,168; a 41st would end at 82,172.
    const AlbumWriteResult forty = EncodeBitmaps(album, {}, FakeSizes({2000}));
    ASSERT_TRUE(forty.ok);
    EXPECT_EQ(forty.imagesWritten, 40);
    EXPECT_EQ(forty.imageCount, 45);
    EXPECT_EQ(forty.bytes.size(), 80'168u);

    // 20 records of 4,004 bytes end at 80,088; a record of 1,832 bytes ends at exactly 81,920 and is written.
    std::vector<std::size_t> exact(20, 4000);
    exact.push_back(1828);
    const AlbumWriteResult full = EncodeBitmaps(album, {}, FakeSizes(exact));
    EXPECT_EQ(full.imagesWritten, 21);
    EXPECT_EQ(std::int64_t(full.bytes.size()), AlbumSizeLimit);

    exact.back() = 1829;
    const AlbumWriteResult over = EncodeBitmaps(album, {}, FakeSizes(exact));
    EXPECT_EQ(over.imagesWritten, 20);
    EXPECT_EQ(over.bytes.size(), 80'088u);
}

TEST(Album, FailedCompressionFailsTheEncoding)
{
    std::vector<AlbumBitmap> album;
    for (std::uint32_t i = 0; i < 8; ++i)
        album.push_back(NoisyBitmap(i));

    std::vector<std::size_t> sizes(8, 100);
    sizes[5] = 0;
    const AlbumWriteResult result = EncodeBitmaps(album, {}, FakeSizes(sizes));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, AlbumWriteFailure::ImageNotCompressible);
    EXPECT_EQ(result.failedImage, 5);
    EXPECT_TRUE(result.bytes.empty());

    // A compressor result the reader could not take back counts as a failure too.
    sizes[5] = CompressedImageCapacity + 1;
    EXPECT_FALSE(EncodeBitmaps(album, {}, FakeSizes(sizes)).ok);
}

TEST(Album, ReadingStopsAtBadRecordLengthsAndSaysWhy)
{
    const Bytes good = AlbumBytes({NoisyBitmap(1), NoisyBitmap(2)});
    const AlbumRecords whole = ParseAlbum(good);
    ASSERT_EQ(whole.records.size(), 2u);
    const std::int64_t second = whole.records.at(1).offset;

    struct Case
    {
        const char *name;
        std::uint16_t length;
        AlbumReadStop stop;
    };
    const std::int64_t remaining = std::int64_t(good.size()) - second - 2;
    for (const Case &c : {Case{"past the end", static_cast<std::uint16_t>(remaining + 1), AlbumReadStop::RecordPastEnd},
                          Case{"zero", 0, AlbumReadStop::RecordTooShort}, Case{"one", 1, AlbumReadStop::RecordTooShort},
                          Case{"over the buffer", static_cast<std::uint16_t>(CompressedImageCapacity + 3),
                               AlbumReadStop::PayloadTooLarge}}) {
        Bytes bytes = good;
        SetLength(bytes, second, c.length);
        if (c.length > remaining)
            bytes.insert(bytes.end(), c.length, 0); // keep "over the buffer" inside the file
        if (std::string_view(c.name) == "past the end")
            bytes.resize(good.size());
        const AlbumRecords contents = ParseAlbum(bytes);
        EXPECT_EQ(contents.outcome, AlbumReadOutcome::Read) << c.name;
        EXPECT_EQ(contents.records.size(), 1u) << c.name;
        EXPECT_EQ(contents.stop, c.stop) << c.name;
        EXPECT_EQ(contents.stopOffset, second) << c.name;
    }
}

TEST(Album, NoRecordStartsWithEightOrFewerBytesLeft)
{
    Bytes bytes = AlbumBytes({NoisyBitmap(5)});
    // Eight trailing bytes that would be a broken record are never decoded: too few for any real record.
    for (const int byte : {0x05, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF})
        bytes.push_back(static_cast<std::uint8_t>(byte));
    const AlbumRecords contents = ParseAlbum(bytes);
    EXPECT_EQ(contents.records.size(), 1u);
    EXPECT_EQ(contents.stop, AlbumReadStop::BytesLeftOver);
    EXPECT_EQ(contents.stopOffset, std::int64_t(bytes.size()) - 8);

    bytes.push_back(0); // nine: now a record is started, and it is broken
    EXPECT_EQ(ParseAlbum(bytes).stop, AlbumReadStop::NotDecompressible);
}

TEST(Album, ShortOrForeignFilesAreNotAlbums)
{
    for (const Bytes &bytes : {Bytes{}, BytesOf(std::string_view("VAF\0\0\0\0", 7)), BytesOf("PK\3\4 a zip file")}) {
        const AlbumRecords contents = ParseAlbum(bytes);
        EXPECT_EQ(contents.outcome, AlbumReadOutcome::NotAnAlbum) << bytes.size();
        EXPECT_TRUE(contents.records.empty());
        EXPECT_EQ(contents.fileSize, std::int64_t(bytes.size()));
    }
}

TEST(Album, EveryTruncationAndBitFlipEndsInAnOutcome)
{
    const Bytes good = AlbumBytes({NoisyBitmap(11), SolidBitmap(MakeRgb(200, 10, 10))}, "42");
    for (std::size_t length = 0; length <= good.size(); ++length) {
        const AlbumRecords contents = ParseAlbum(std::span(good).first(length));
        EXPECT_LE(contents.records.size(), 2u);
    }
    for (std::size_t bit = 0; bit < std::min<std::size_t>(good.size(), 600) * 8; ++bit) {
        Bytes flipped = good;
        flipped[bit / 8] = static_cast<std::uint8_t>(flipped[bit / 8] ^ (1 << (bit % 8)));
        const AlbumRecords contents = ParseAlbum(flipped);
        for (const RecordLocation &record : contents.records) {
            AlbumBitmap image;
            ASSERT_TRUE(DecodeRecord(RecordPayload(flipped, record), image));
        }
    }
}

TEST(Album, ImageOfTheWrongSizeFailsTheEncoding)
{
    const TestPicture small(40, 40);
    const AlbumWriteResult result = EncodeAlbumRecords(2,
                                                       [&](int index) {
                                                           return index == 0 ? CompressAlbumImage(NoisyBitmap(1).view())
                                                                             : CompressAlbumImage(small.view());
                                                       },
                                                       {});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, AlbumWriteFailure::ImageNotAlbumSized);
    EXPECT_EQ(result.failedImage, 1);
}
