// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry for the album reader: any bytes at all go through ParseAlbum,
// and the records it lists are checked against the file layout walked here by
// hand. Only the album core is involved: images are decoded into one reused
// bitmap, so each input costs what the reader costs.
// Sanitizers catch the memory faults; the checks below catch a reader that
// quietly takes the wrong records, stops too early, or hands out bad images.

#include "album/albumreader.h"
#include "album/albumwriter.h"
#include "album/littleendian.h"
#include "album/password.h"

#include <lzo/lzo1x.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <vector>

namespace {

// Pixels are where a run's time goes: a 92 x 92 image costs thousands of
// traced comparisons to decode, and more to encode, while none of it depends on
// where the reader found the payload. So every input has every record located
// and decompressed (the reader's own work, with all its verdicts), but only
// one input in 128 has its first image decoded pixel by pixel and its first two
// written back and read again: two give a rewritten album with records back to
// back. Inputs replayed from the command line all get every check, and the
// first input of a search is one of them; the search mutates an input many times
// over, so each kind of input still meets the pixel checks often: at the
// search's pace that is still over a hundred inputs a second checked in full.
constexpr std::size_t PixelCheckEvery = 128;
constexpr std::size_t PixelCheckedImages = 1;
constexpr std::size_t RoundTripImages = 2;

using Bytes = std::span<const std::uint8_t>;

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "album reader check failed: %s\n", what);
        std::abort();
    }
}

bool isShownColour(Rgb pixel)
{
    static const std::array<Rgb, 16> shown = [] {
        std::array<Rgb, 16> colours{};
        for (std::size_t nibble = 0; nibble < colours.size(); ++nibble)
            colours[nibble] = NibbleColour(static_cast<std::uint8_t>(nibble));
        return colours;
    }();
    return std::find(shown.begin(), shown.end(), pixel) != shown.end();
}

void checkImage(const AlbumBitmap &image)
{
    for (const Rgb pixel : image.pixels)
        require(isShownColour(pixel), "every pixel is a colour a nibble shows");
}

std::uint16_t lengthAt(Bytes bytes, std::int64_t position)
{
    return ReadLittleEndian<std::uint16_t>(bytes.subspan(static_cast<std::size_t>(position)));
}

// The best-ratio compressor is far too slow for a fuzzer's pace; the fastest
// one writes streams the same reader takes, which is all the round trip needs.
std::size_t fastCompress(const PackedImage &packed, std::vector<std::uint8_t> &out)
{
    static std::vector<unsigned char> workMemory(LZO1X_1_MEM_COMPRESS);
    out.resize(CompressionWorstCase);
    lzo_uint produced = 0;
    if (lzo1x_1_compress(packed.data(), packed.size(), out.data(), &produced, workMemory.data()) != LZO_E_OK)
        return 0;
    out.resize(produced);
    return produced;
}

void checkNotAnAlbum(const AlbumRecords &contents)
{
    require(contents.outcome == AlbumReadOutcome::NotAnAlbum, "a short file or a wrong magic is not an album");
    require(contents.records.empty(), "not an album takes no images");
    require(contents.password == 0, "not an album takes no password");
    require(contents.stop == AlbumReadStop::None, "not an album has no stop");
}

// Walks the records the way the layout defines them and demands that the
// reader took exactly these, and stopped only where it had to.
void checkRecords(Bytes bytes, const AlbumRecords &contents, bool checkPixels)
{
    const auto size = static_cast<std::int64_t>(bytes.size());
    const std::uint8_t *data = bytes.data();
    require(contents.records.size() <= static_cast<std::size_t>(MaxImagesPerRead), "no more images than the read cap");

    std::int64_t position = AlbumHeaderSize;
    // Kept between runs: a fresh 33 KB bitmap per run is mostly page faults.
    static PackedImage packed;
    static AlbumBitmap expected;
    static AlbumBitmap decoded;
    for (std::size_t index = 0; index < contents.records.size(); ++index) {
        const RecordLocation &record = contents.records[index];
        require(record.offset == position, "records lie back to back from the header on");
        require(size - position > AlbumHeaderSize, "a record starts only while more than eight bytes remain");
        const std::uint16_t length = lengthAt(bytes, position);
        require(record.payloadSize == length - 2, "the payload size is the length field less two");
        require(record.payloadSize >= 1 && record.payloadSize <= static_cast<int>(CompressedImageCapacity),
                "the payload fits the reader's buffer");
        require(position + 2 + length <= size, "the record ends within the file");

        const std::span payload(data + position + RecordHeaderSize, static_cast<std::size_t>(record.payloadSize));
        require(RecordPayload(bytes, record).data() == payload.data()
                    && RecordPayload(bytes, record).size() == payload.size(),
                "the record's payload is the one in the file");
        require(DecompressImage(payload, packed) > 0, "a taken record decompresses");
        if (checkPixels && index < PixelCheckedImages) {
            DecodeImageInto(packed, expected);
            require(DecodeRecord(RecordPayload(bytes, record), decoded) && decoded == expected,
                    "the image is its own record's payload, decoded");
            checkImage(decoded);
        }
        position += 2 + length;
    }

    // Why reading ended after the last record taken.
    require(contents.stop == AlbumReadStop::None || contents.stopOffset == position,
            "a stop is reported where the last record taken ends");
    if (contents.stop == AlbumReadStop::NotDecompressible) {
        require(size - position > AlbumHeaderSize, "the failing record was one the reader had to start");
        const std::uint16_t length = lengthAt(bytes, position);
        require(length >= 2 && length - 2 <= static_cast<int>(CompressedImageCapacity) && position + 2 + length <= size,
                "the failing record had a usable length");
        const std::span payload(data + position + RecordHeaderSize, static_cast<std::size_t>(length - 2));
        require(DecompressImage(payload, packed) == 0, "the failing record really does not decompress");
        return;
    }
    require((contents.stop == AlbumReadStop::None) == (position == size), "whole exactly when every byte was read");
    if (contents.stop == AlbumReadStop::None)
        return;
    if (contents.stop == AlbumReadStop::ImageCap) {
        require(contents.records.size() == static_cast<std::size_t>(MaxImagesPerRead), "the cap stops only at the cap");
        return;
    }
    if (contents.stop == AlbumReadStop::BytesLeftOver) {
        require(size - position <= AlbumHeaderSize, "bytes left over are too few for a record");
        return;
    }
    require(size - position > AlbumHeaderSize, "a bad record was one the reader had to start");
    const std::uint16_t length = lengthAt(bytes, position);
    const AlbumReadStop fault = position + 2 + length > size ? AlbumReadStop::RecordPastEnd
                                : length < 2                 ? AlbumReadStop::RecordTooShort
                                                             : AlbumReadStop::PayloadTooLarge;
    require(contents.stop == fault, "a stop names the record's real fault");
    require(fault != AlbumReadStop::PayloadTooLarge || length - 2 > static_cast<int>(CompressedImageCapacity),
            "an oversized payload really is");
}

// What the reader hands out, written back and read again, is the same album.
void checkRoundTrip(Bytes bytes, const AlbumRecords &contents)
{
    const std::size_t count = std::min(contents.records.size(), RoundTripImages);
    static std::array<AlbumBitmap, RoundTripImages> images;
    for (std::size_t index = 0; index < count; ++index)
        DecodeRecord(RecordPayload(bytes, contents.records[index]), images[index]);
    const AlbumWriteResult encoded = EncodeAlbumRecords(
        static_cast<int>(count),
        [&](int index) { return CompressAlbumImage(images[static_cast<std::size_t>(index)].view(), fastCompress); },
        PasswordTextFromStored(contents.password));
    require(encoded.ok, "the images read encode again");
    require(encoded.imagesWritten == static_cast<int>(count), "a few images always fit the size limit");

    const AlbumRecords again = ParseAlbum(encoded.bytes);
    require(again.whole(), "the rewritten album reads whole");
    require(again.records.size() == count, "the rewritten album has the images");
    static AlbumBitmap image;
    for (std::size_t index = 0; index < count; ++index)
        require(DecodeRecord(RecordPayload(encoded.bytes, again.records[index]), image) && image == images[index],
                "the rewritten images read back the same");
    const bool shownPassword = contents.password >= 1 && contents.password <= MaxPasswordValue;
    require(again.password == (shownPassword ? contents.password : 0u), "the password survives as the field shows it");
}

// Set when the command line names files rather than a corpus folder: those are
// replayed once each, not searched, so each gets every check.
bool replaying = false;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    require(InitCompression(), "the compression library initialises");
    const std::span arguments(*argv, static_cast<std::size_t>(*argc));
    replaying = std::any_of(arguments.begin() + 1, arguments.end(), [](const char *argument) {
        std::error_code error;
        return argument[0] != '-' && std::filesystem::is_regular_file(argument, error);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Larger than any album the device takes, and it would only slow the search.
    if (size > static_cast<std::size_t>(2 * AlbumSizeLimit))
        return -1;
    const Bytes bytes(data, size);
    const AlbumRecords contents = ParseAlbum(bytes);

    const bool looksLikeAlbum =
        static_cast<std::int64_t>(size) >= AlbumHeaderSize && ReadLittleEndian<std::uint32_t>(bytes) == AlbumMagic;
    if (!looksLikeAlbum) {
        checkNotAnAlbum(contents);
        return 0;
    }
    require(contents.outcome == AlbumReadOutcome::Read, "the right magic reads as an album");
    require(contents.password == ReadLittleEndian<std::uint32_t>(bytes.subspan(4)),
            "the password is the header's second word");
    require(contents.fileSize == static_cast<std::int64_t>(size), "the file size is the input's");
    static std::size_t runs = 0;
    const bool checkPixels = replaying || runs++ % PixelCheckEvery == 0;
    checkRecords(bytes, contents, checkPixels);
    if (checkPixels)
        checkRoundTrip(bytes, contents);
    return 0;
}
