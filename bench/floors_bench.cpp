// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "albumfile/albumfile.h"
#include "support/testalbums.h"

#include <lzo/lzo1x.h>

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A full album of noisy pictures (the largest records, so the most compressor
// and decompressor work per byte of file), read and written through the
// program, each beside its floor: the same library calls on the same bytes with
// nothing of ours around them. run_bench.sh compares them by their medians:
// - reading the file into decoded images within 3 times its floor;
// - writing the file within 1.25 times its floor. The album written holds just
//   the pictures that fill the file; one more would cost the writer a
//   compression that the floor does not do (see BM_WriteAlbum for that case).

namespace {

using Pixels = std::array<std::uint32_t, AlbumImageSide * AlbumImageSide>;

struct NoisyAlbum
{
    QList<QImage> images;                           // every picture offered, the last one left out
    std::vector<PackedImage> packed;                // the pictures the file holds, encoded
    std::vector<std::vector<std::uint8_t>> records; // and compressed, as the file carries them
    QByteArray bytes;                               // the album file
    int imagesWritten = 0;
};

// Built once: the benchmark functions are entered several times and building
// compresses every picture.
const std::optional<NoisyAlbum> &noisyAlbum()
{
    static const std::optional<NoisyAlbum> album = []() -> std::optional<NoisyAlbum> {
        if (!InitCompression())
            return std::nullopt;
        NoisyAlbum built;
        built.images = FullAlbumOf(SamplePicture::Noise);
        const AlbumWriteResult encoded = EncodeAlbum(built.images, QStringLiteral("12345678"));
        // Fewer written than offered: the size limit, not the supply of pictures, ended the album.
        if (!encoded.ok || encoded.imagesWritten == 0 || encoded.imagesWritten >= built.images.size())
            return std::nullopt;
        built.bytes = AsByteArray(encoded.bytes);
        built.imagesWritten = encoded.imagesWritten;
        for (int index = 0; index < built.imagesWritten; ++index) {
            PackedImage packed{};
            EncodeImageOf(built.images.at(index), packed);
            std::vector<std::uint8_t> record;
            if (CompressImage(packed, record) == 0)
                return std::nullopt;
            built.packed.push_back(packed);
            built.records.push_back(std::move(record));
        }
        return built;
    }();
    return album;
}

const NoisyAlbum *ready(benchmark::State &state)
{
    const std::optional<NoisyAlbum> &album = noisyAlbum();
    if (!album) {
        state.SkipWithError("the full noisy album could not be built");
        return nullptr;
    }
    return &*album;
}

void describe(benchmark::State &state, const NoisyAlbum &album)
{
    state.counters["images"] = album.imagesWritten;
    state.counters["file_bytes"] = static_cast<double>(album.bytes.size());
}

void BM_FullAlbumWrite(benchmark::State &state)
{
    const NoisyAlbum *album = ready(state);
    if (!album)
        return;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const QString path = dir.filePath(QStringLiteral("noisy.valbum"));
    const QList<QImage> images = album->images.mid(0, album->imagesWritten);
    for (auto _ : state) {
        const AlbumWriteResult result = WriteAlbumFile(path, images, QStringLiteral("12345678"));
        if (!result.ok || result.imagesWritten != album->imagesWritten || result.imagesWritten != result.imageCount) {
            state.SkipWithError("the album was not written whole");
            break;
        }
    }
    describe(state, *album);
}
BENCHMARK(BM_FullAlbumWrite)->Unit(benchmark::kMillisecond);

void BM_FullAlbumWriteFloor(benchmark::State &state)
{
    const NoisyAlbum *album = ready(state);
    if (!album)
        return;
    std::vector<unsigned char> work(LZO1X_999_MEM_COMPRESS);
    std::vector<std::uint8_t> out(CompressionWorstCase);
    for (auto _ : state) {
        for (const PackedImage &packed : album->packed) {
            lzo_uint produced = 0;
            lzo1x_999_compress(packed.data(), packed.size(), out.data(), &produced, work.data());
            benchmark::DoNotOptimize(produced);
        }
        benchmark::ClobberMemory();
    }
    describe(state, *album);
}
BENCHMARK(BM_FullAlbumWriteFloor)->Unit(benchmark::kMillisecond);

void BM_FullAlbumRead(benchmark::State &state)
{
    const NoisyAlbum *album = ready(state);
    if (!album)
        return;
    QTemporaryDir dir;
    const QString path = WriteTemporaryFile(dir, QStringLiteral("noisy.valbum"), album->bytes);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the album file");
        return;
    }
    for (auto _ : state) {
        const AlbumFileContents contents = ReadAlbumFile(path);
        if (static_cast<int>(contents.records.size()) != album->imagesWritten) {
            state.SkipWithError("the album did not read back whole");
            break;
        }
        benchmark::DoNotOptimize(contents.records.data());
    }
    describe(state, *album);
}
BENCHMARK(BM_FullAlbumRead)->Unit(benchmark::kMicrosecond);

void BM_FullAlbumReadFloor(benchmark::State &state)
{
    const NoisyAlbum *album = ready(state);
    if (!album)
        return;
    std::array<std::uint32_t, 16> colours{};
    for (std::uint8_t nibble = 0; nibble < colours.size(); ++nibble)
        colours[nibble] = NibbleColour(nibble);
    PackedImage packed{};
    Pixels pixels{};
    for (auto _ : state) {
        for (const std::vector<std::uint8_t> &record : album->records) {
            lzo_uint produced = packed.size();
            if (lzo1x_decompress_safe(record.data(), record.size(), packed.data(), &produced, nullptr) != LZO_E_OK
                || produced != packed.size()) {
                state.SkipWithError("a record did not decompress");
                return;
            }
            for (std::size_t index = 0; index < packed.size(); ++index) {
                pixels[2 * index] = colours[packed[index] & 0x0F];
                pixels[2 * index + 1] = colours[packed[index] >> 4];
            }
            benchmark::DoNotOptimize(pixels.data());
            benchmark::ClobberMemory();
        }
    }
    describe(state, *album);
}
BENCHMARK(BM_FullAlbumReadFloor)->Unit(benchmark::kMicrosecond);

} // namespace
