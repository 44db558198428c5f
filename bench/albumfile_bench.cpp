// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "albumfile/albumfile.h"
#include "support/testalbums.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <optional>

// Targets (one core), for a full album (as many images as fit in 81,920 bytes):
// - reading it, file to decoded images in an Album: within 50 ms for
//   photographs, so a load feels immediate, and within 0.5 s for the worst
//   case, thousands of tiny records whose decoded images alone take about 80 MB;
// - writing it: within 0.5 s for photographs and within 1 s for the worst case,
//   where every one of those thousands of images goes through the compressor.

namespace {

struct FullAlbum
{
    QList<QImage> images;
    QByteArray bytes;
    int imagesWritten = 0;
};

// Building a full album compresses every picture, which is slow; the benchmark
// functions are entered several times, so each album is made once.
const FullAlbum &fullAlbum(SamplePicture kind)
{
    static std::array<std::optional<FullAlbum>, 3> albums;
    auto &slot = albums.at(static_cast<std::size_t>(kind));
    if (!slot) {
        FullAlbum album;
        album.images = FullAlbumOf(kind);
        const AlbumWriteResult encoded = EncodeAlbum(album.images, QStringLiteral("12345678"));
        album.bytes = AsByteArray(encoded.bytes);
        album.imagesWritten = encoded.ok ? encoded.imagesWritten : 0;
        slot = std::move(album);
    }
    return *slot;
}

bool ready(benchmark::State &state, const FullAlbum &album)
{
    if (!InitCompression()) {
        state.SkipWithError("the compression library does not initialise");
        return false;
    }
    if (album.imagesWritten == 0) {
        state.SkipWithError("the album could not be built");
        return false;
    }
    return true;
}

void describe(benchmark::State &state, SamplePicture kind, const FullAlbum &album)
{
    state.counters["images"] = album.imagesWritten;
    state.counters["file_bytes"] = static_cast<double>(album.bytes.size());
    state.SetLabel(SamplePictureName(kind));
}

const auto AllPictures = [](benchmark::internal::Benchmark *benchmark) {
    for (SamplePicture kind : {SamplePicture::Solid, SamplePicture::Photo, SamplePicture::Noise})
        benchmark->Arg(static_cast<int>(kind));
    benchmark->Unit(benchmark::kMillisecond);
};

void BM_EncodeAlbum(benchmark::State &state)
{
    const auto kind = static_cast<SamplePicture>(state.range(0));
    const FullAlbum &album = fullAlbum(kind);
    if (!ready(state, album))
        return;
    for (auto _ : state) {
        const AlbumWriteResult encoded = EncodeAlbum(album.images, QStringLiteral("12345678"));
        benchmark::DoNotOptimize(encoded.bytes.data());
    }
    describe(state, kind, album);
}
BENCHMARK(BM_EncodeAlbum)->Apply(AllPictures);

void BM_ParseAlbum(benchmark::State &state)
{
    const auto kind = static_cast<SamplePicture>(state.range(0));
    const FullAlbum &album = fullAlbum(kind);
    if (!ready(state, album))
        return;
    const std::span bytes(reinterpret_cast<const std::uint8_t *>(album.bytes.constData()),
                          static_cast<std::size_t>(album.bytes.size()));
    for (auto _ : state) {
        const AlbumRecords contents = ParseAlbum(bytes);
        if (static_cast<int>(contents.records.size()) != album.imagesWritten) {
            state.SkipWithError("the album did not read back whole");
            break;
        }
    }
    describe(state, kind, album);
}
BENCHMARK(BM_ParseAlbum)->Apply(AllPictures);

// What a load costs end to end: open the file, read it, fill the album model.
void BM_ReadAlbum(benchmark::State &state)
{
    const auto kind = static_cast<SamplePicture>(state.range(0));
    const FullAlbum &album = fullAlbum(kind);
    if (!ready(state, album))
        return;
    QTemporaryDir dir;
    const QString path = WriteTemporaryFile(dir, QStringLiteral("full.valbum"), album.bytes);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the album file");
        return;
    }
    for (auto _ : state) {
        const AlbumFileContents contents = ReadAlbumFile(path);
        if (static_cast<int>(contents.records.size()) != album.imagesWritten) {
            state.SkipWithError("the album did not read back whole");
            break;
        }
    }
    describe(state, kind, album);
}
BENCHMARK(BM_ReadAlbum)->Apply(AllPictures);

// What a save costs end to end, the atomic replacement of the file included.
void BM_WriteAlbum(benchmark::State &state)
{
    const auto kind = static_cast<SamplePicture>(state.range(0));
    const FullAlbum &album = fullAlbum(kind);
    if (!ready(state, album))
        return;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.valbum"));
    for (auto _ : state) {
        const AlbumWriteResult result = WriteAlbumFile(path, album.images, QStringLiteral("12345678"));
        if (!result.ok || result.imagesWritten != album.imagesWritten) {
            state.SkipWithError("the album was not written whole");
            break;
        }
    }
    describe(state, kind, album);
}
BENCHMARK(BM_WriteAlbum)->Apply(AllPictures);

} // namespace
