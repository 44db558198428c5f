// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the window's capacity meter takes to show what a command did.
// Targets: one picture added shows its effect within 100 ms, on the largest
// album (thousands of plain images) as on one of twenty photos; loading the
// largest album keeps the window's thread busy no longer than reading it does
// (the compression runs on worker threads).

#include "albumfile/albumfile.h"
#include "editor/document/album.h"
#include "editor/window/unit1.h"
#include "qtimage/albumbitmap.h"
#include "support/testalbums.h"

#include <QApplication>
#include <QBuffer>
#include <QDeadlineTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

namespace {

bool waitUntilSettled(CapacityMeter &meter)
{
    QDeadlineTimer deadline(60'000);
    while (!meter.settled() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return meter.settled();
}

// An album file's contents, read once per kind.
const AlbumFileContents &albumOf(SamplePicture kind, int limit)
{
    static std::map<std::pair<SamplePicture, int>, AlbumFileContents> read;
    auto &slot = read[{kind, limit}];
    if (slot.records.empty()) {
        QList<QImage> images = FullAlbumOf(kind);
        if (limit > 0)
            images = images.mid(0, limit);
        slot = ParseAlbumBytes(AsByteArray(EncodeAlbum(images, {}).bytes));
    }
    return slot;
}

// Loading the album: the window's own part (what blocks it) and the time until
// the meter has the final figures.
void BM_LoadAndSettleLargestAlbum(benchmark::State &state)
{
    const AlbumFileContents &contents = albumOf(SamplePicture::Solid, 0);
    for (auto _ : state) {
        TForm1 form;
        const auto start = std::chrono::steady_clock::now();
        ApplyAlbumFile(form.album(), contents, QStringLiteral("largest.valbum"));
        form.RefreshState(false);
        const auto blocked = std::chrono::steady_clock::now() - start;
        if (!waitUntilSettled(form.capacityMeter())) {
            state.SkipWithError("the meter did not settle");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.counters["window_ms"] = std::chrono::duration<double, std::milli>(blocked).count();
    }
    state.counters["images"] = static_cast<double>(contents.records.size());
}
BENCHMARK(BM_LoadAndSettleLargestAlbum)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// One picture added to a settled album, until the meter shows it.
void addOne(benchmark::State &state, SamplePicture albumKind, int limit)
{
    const AlbumFileContents &contents = albumOf(albumKind, limit);
    TForm1 form;
    ApplyAlbumFile(form.album(), contents, QStringLiteral("album.valbum"));
    if (!waitUntilSettled(form.capacityMeter())) {
        state.SkipWithError("the meter did not settle");
        return;
    }
    std::uint32_t seed = 1000;
    for (auto _ : state) {
        const QImage picture = MakeSamplePicture(SamplePicture::Photo, ++seed);
        const auto start = std::chrono::steady_clock::now();
        form.album().append(picture);
        waitUntilSettled(form.capacityMeter());
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.PauseTiming();
        form.album().remove(form.album().count() - 1);
        waitUntilSettled(form.capacityMeter());
        state.ResumeTiming();
    }
    state.counters["images"] = static_cast<double>(form.album().count() + 1);
}

void BM_AddToLargestAlbum(benchmark::State &state)
{
    addOne(state, SamplePicture::Solid, 0);
}
BENCHMARK(BM_AddToLargestAlbum)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_AddToTwentyPhotos(benchmark::State &state)
{
    addOne(state, SamplePicture::Photo, 20);
}
BENCHMARK(BM_AddToTwentyPhotos)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
