// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/albumwriter.h"
#include "album/compression.h"
#include "coretestsupport.h"

#include <lzo/lzo1x.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

// A picture the encoder can produce whose compressed form is longer than the
// reader's record buffer. The compressor is greedy: it takes every match of
// three bytes, which costs two bytes when the match is near, and then has to
// open a new literal run. A run of 19 or more literals costs two header bytes,
// so 19 fresh bytes followed by a 3-byte repeat come out as 23 bytes for every
// 22 read, about 190 bytes over the image size in all.

namespace {

constexpr std::array<std::uint8_t, 7> EncoderNibbles{0x0, 0x4, 0x5, 0x9, 0xA, 0xE, 0xF};
constexpr std::uint32_t Seed = 1;
constexpr std::size_t RunLength = 19;
constexpr std::size_t RepeatLength = 3;
constexpr std::size_t NearestMatchLimit = 2048; // farthest distance of a two-byte match of 3 to 8 bytes
constexpr std::size_t ShortMatchLimit = 1024;   // farthest distance of a 2-byte match

std::uint8_t encoderByte(std::mt19937 &random)
{
    const std::uint8_t low = EncoderNibbles[random() % EncoderNibbles.size()];
    const std::uint8_t high = EncoderNibbles[random() % EncoderNibbles.size()];
    return static_cast<std::uint8_t>(low | high << 4);
}

// True when the `length` bytes at `at` also start somewhere in the `window` bytes before `at`.
bool repeatsEarlier(const PackedImage &bytes, std::size_t at, std::size_t length, std::size_t window)
{
    const std::size_t first = at > window ? at - window : 0;
    for (std::size_t start = first; start < at; ++start)
        if (std::equal(bytes.begin() + start, bytes.begin() + start + length, bytes.begin() + at))
            return true;
    return false;
}

// Runs of RunLength fresh bytes, each followed by RepeatLength bytes copied from
// a random near distance. Fresh means the compressor finds nothing in them:
// no three bytes occur twice except the intended copies, and no pair repeats
// within reach of a 2-byte match where the compressor would take one (one to
// three literals into a run). The copy is looked at while the last literal of
// its run is chosen, because the 3-byte windows that end inside it must be new too.
PackedImage overflowingImage()
{
    std::mt19937 random(Seed);
    PackedImage packed{};
    std::size_t at = 0;
    while (at < packed.size()) {
        const std::size_t copyAt = at + RunLength;
        const std::size_t distance = 4 + random() % (std::min(NearestMatchLimit, copyAt - 1) - 3);
        for (std::size_t inRun = 0; inRun < RunLength && at < packed.size(); ++inRun, ++at) {
            for (int attempt = 0; attempt < 100; ++attempt) {
                packed[at] = encoderByte(random);
                if (at >= 2 && repeatsEarlier(packed, at - 2, 3, at - 2))
                    continue;
                if (inRun >= 2 && inRun <= 4 && repeatsEarlier(packed, at - 1, 2, ShortMatchLimit))
                    continue;
                if (at + 1 == copyAt && copyAt + RepeatLength <= packed.size()) {
                    packed[copyAt] = packed[copyAt - distance];
                    packed[copyAt + 1] = packed[copyAt + 1 - distance];
                    if (repeatsEarlier(packed, at - 1, 3, at - 1) || repeatsEarlier(packed, at, 3, at))
                        continue;
                }
                break;
            }
        }
        for (std::size_t inCopy = 0; inCopy < RepeatLength && at < packed.size(); ++inCopy, ++at)
            packed[at] = packed[at - distance];
    }
    return packed;
}

bool onlyEncoderNibbles(const PackedImage &packed)
{
    const auto isEncoderNibble = [](int nibble) {
        return std::find(EncoderNibbles.begin(), EncoderNibbles.end(), nibble) != EncoderNibbles.end();
    };
    return std::all_of(packed.begin(), packed.end(),
                       [&](std::uint8_t byte) { return isEncoderNibble(byte & 0x0F) && isEncoderNibble(byte >> 4); });
}

} // namespace

TEST(CompressionOverflow, AnEncoderImageCompressesPastTheReaderBuffer)
{
    ASSERT_TRUE(InitCompression());
    const PackedImage packed = overflowingImage();
    ASSERT_TRUE(onlyEncoderNibbles(packed));

    // The library itself, with no limit of ours in the way.
    std::vector<unsigned char> work(LZO1X_999_MEM_COMPRESS);
    std::vector<std::uint8_t> raw(CompressionWorstCase);
    lzo_uint rawSize = 0;
    ASSERT_EQ(lzo1x_999_compress(packed.data(), packed.size(), raw.data(), &rawSize, work.data()), LZO_E_OK);
    EXPECT_GT(rawSize, CompressedImageCapacity);
    EXPECT_LE(rawSize, CompressionWorstCase);

    // The stream is sound; it is only too long for a reader to take.
    PackedImage back{};
    lzo_uint backSize = back.size();
    ASSERT_EQ(lzo1x_decompress_safe(raw.data(), rawSize, back.data(), &backSize, nullptr), LZO_E_OK);
    EXPECT_EQ(backSize, PackedImageSize);
    EXPECT_EQ(back, packed);
}

TEST(CompressionOverflow, CompressImageRefusesIt)
{
    ASSERT_TRUE(InitCompression());
    std::vector<std::uint8_t> out(10, 0x11);
    EXPECT_EQ(CompressImage(overflowingImage(), out), 0u);
    EXPECT_TRUE(out.empty());
}

TEST(CompressionOverflow, DecodedPictureEncodesBackToTheSameBytes)
{
    const PackedImage packed = overflowingImage();
    AlbumBitmap picture;
    DecodeImage(packed, picture);
    PackedImage again{};
    ASSERT_EQ(EncodeImage(picture.view(), again), PackedImageSize);
    EXPECT_EQ(again, packed);
}

// The save writes nothing for a failed encoding (albumfile tests), so the old file stays.
TEST(CompressionOverflow, EncodingThePictureFailsNamingIt)
{
    ASSERT_TRUE(InitCompression());
    AlbumBitmap picture;
    DecodeImage(overflowingImage(), picture);
    const AlbumWriteResult result = EncodeBitmaps({picture, NoisyBitmap(6)}, "12345678");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, AlbumWriteFailure::ImageNotCompressible);
    EXPECT_EQ(result.failedImage, 0);
    EXPECT_TRUE(result.bytes.empty());
}

// Where no record of its size could fit any more, the picture would be left
// out anyway: it must not cost the images before it their save.
TEST(CompressionOverflow, PastTheLimitThePictureIsLeftOutLikeAnyOther)
{
    ASSERT_TRUE(InitCompression());
    AlbumBitmap picture;
    DecodeImage(overflowingImage(), picture);
    std::vector<AlbumBitmap> images;
    for (std::uint32_t seed = 0; seed < 30; ++seed)
        images.push_back(NoisyBitmap(seed));
    const int fit = EncodeBitmaps(images).imagesWritten;
    ASSERT_LT(fit, 30);

    std::vector<AlbumBitmap> withPicture(images.begin(), images.begin() + fit);
    withPicture.push_back(picture);
    const AlbumWriteResult encoded = EncodeBitmaps(withPicture);
    ASSERT_TRUE(encoded.ok);
    EXPECT_EQ(encoded.imagesWritten, fit);
    EXPECT_EQ(encoded.bytes, EncodeBitmaps({images.begin(), images.begin() + fit}).bytes);

    // Inside the limit it still fails the album, naming the picture.
    std::rotate(withPicture.end() - 4, withPicture.end() - 1, withPicture.end());
    const AlbumWriteResult failed = EncodeBitmaps(withPicture);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.failedImage, fit - 3);
}
