// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/compression.h"

#include <lzo/lzo1x.h>

#include <gtest/gtest.h>

#include <random>

TEST(Compression, LibraryInitialises)
{
    EXPECT_TRUE(InitCompression());
}

TEST(Compression, ZeroImageRoundTrips)
{
    ASSERT_TRUE(InitCompression());
    const PackedImage zeros{};
    std::vector<std::uint8_t> compressed;
    const std::size_t size = CompressImage(zeros, compressed);
    ASSERT_GT(size, 0u);
    EXPECT_EQ(compressed.size(), size);

    PackedImage out;
    out.fill(0xAA);
    EXPECT_EQ(DecompressImage(compressed, out), PackedImageSize);
    EXPECT_EQ(out, zeros);
}

TEST(Compression, IncompressibleImageStaysWithinTheReaderBuffer)
{
    ASSERT_TRUE(InitCompression());
    // Only the seven nibbles the encoder writes, at random: little to find for LZO.
    const std::uint8_t nibbles[] = {0, 4, 5, 9, 10, 14, 15};
    std::mt19937 random(3);
    PackedImage packed{};
    for (auto &byte : packed)
        byte = static_cast<std::uint8_t>(nibbles[random() % 7] | nibbles[random() % 7] << 4);
    std::vector<std::uint8_t> compressed;
    const std::size_t size = CompressImage(packed, compressed);
    ASSERT_GT(size, 0u);
    EXPECT_LE(size, CompressedImageCapacity);

    PackedImage out{};
    EXPECT_EQ(DecompressImage(compressed, out), PackedImageSize);
    EXPECT_EQ(out, packed);
}

TEST(Decompression, RejectsEmptyTruncatedAndOversizedStreams)
{
    ASSERT_TRUE(InitCompression());
    PackedImage out{};
    EXPECT_EQ(DecompressImage({}, out), 0u);

    PackedImage packed{};
    packed.fill(0x55);
    std::vector<std::uint8_t> compressed;
    ASSERT_GT(CompressImage(packed, compressed), 0u);
    compressed.resize(compressed.size() - 3); // cut off the end marker
    EXPECT_EQ(DecompressImage(compressed, out), 0u);

    // A stream that expands to twice an image must not spill past it: compress
    // a larger buffer and decompress it into an image that sits inside guard bytes.
    std::vector<std::uint8_t> big(2 * PackedImageSize, 0x11);
    std::vector<std::uint8_t> stream(big.size() + big.size() / 16 + 64 + 3);
    std::vector<unsigned char> work(LZO1X_1_MEM_COMPRESS);
    lzo_uint streamSize = 0;
    ASSERT_EQ(lzo1x_1_compress(big.data(), big.size(), stream.data(), &streamSize, work.data()), LZO_E_OK);
    stream.resize(streamSize);

    struct Guarded
    {
        std::array<std::uint8_t, 64> before;
        PackedImage image;
        std::array<std::uint8_t, 64> after;
    } guarded{};
    guarded.before.fill(0xEE);
    guarded.after.fill(0xEE);
    EXPECT_EQ(DecompressImage(stream, guarded.image), 0u);
    for (std::uint8_t b : guarded.after)
        ASSERT_EQ(b, 0xEE);
    for (std::uint8_t b : guarded.before)
        ASSERT_EQ(b, 0xEE);
}

TEST(Decompression, InputLeftAfterTheEndOfTheStreamIsAnError)
{
    ASSERT_TRUE(InitCompression());
    // A record whose length claims more bytes than its stream uses is damaged,
    // and must not pass for the image at its start.
    PackedImage packed{};
    for (std::size_t i = 0; i < packed.size(); ++i)
        packed[i] = static_cast<std::uint8_t>(i * 7 / 5);
    std::vector<std::uint8_t> stream;
    ASSERT_GT(CompressImage(packed, stream), 0u);
    PackedImage out{};
    ASSERT_EQ(DecompressImage(stream, out), PackedImageSize);
    ASSERT_EQ(out, packed);

    std::vector<std::uint8_t> oneMore = stream;
    oneMore.push_back(0);
    EXPECT_EQ(DecompressImage(oneMore, out), 0u);

    std::vector<std::uint8_t> twoStreams = stream;
    twoStreams.insert(twoStreams.end(), stream.begin(), stream.end());
    EXPECT_EQ(DecompressImage(twoStreams, out), 0u);
}

TEST(Decompression, ShortStreamLeavesTheRestZero)
{
    ASSERT_TRUE(InitCompression());
    std::vector<std::uint8_t> half(PackedImageSize / 2, 0x99);
    std::vector<std::uint8_t> stream(half.size() + half.size() / 16 + 64 + 3);
    std::vector<unsigned char> work(LZO1X_1_MEM_COMPRESS);
    lzo_uint streamSize = 0;
    ASSERT_EQ(lzo1x_1_compress(half.data(), half.size(), stream.data(), &streamSize, work.data()), LZO_E_OK);
    stream.resize(streamSize);

    PackedImage out;
    out.fill(0x77);
    EXPECT_EQ(DecompressImage(stream, out), half.size());
    EXPECT_EQ(out[half.size() - 1], 0x99);
    EXPECT_EQ(out[half.size()], 0x00);
    EXPECT_EQ(out.back(), 0x00);
}
