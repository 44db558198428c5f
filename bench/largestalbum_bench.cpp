// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's commands on the largest album, about 2,340 plain images in
// 81,920 bytes. Targets: load to first paint within 300 ms; delete, move up,
// move down and insert each within one frame (16 ms), painting included.

#include "albumfile/albumfile.h"
#include "editor/document/album.h"
#include "editor/window/unit1.h"
#include "qtimage/albumbitmap.h"
#include "support/testalbums.h"

#include <QApplication>
#include <QBuffer>
#include <QListView>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

const QByteArray &largestAlbumBytes()
{
    static const QByteArray bytes = AsByteArray(EncodeAlbum(FullAlbumOf(SamplePicture::Solid), {}).bytes);
    return bytes;
}

// Runs the event loop until the list has painted what the command changed.
void paintNow(TForm1 &form)
{
    QCoreApplication::processEvents();
    form.findChild<QListView *>(QStringLiteral("ListBox1"))->viewport()->repaint();
}

double elapsedSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_LoadLargestAlbumToFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        TForm1 form;
        form.show();
        paintNow(form);
        const auto start = std::chrono::steady_clock::now();
        const AlbumFileContents contents = ParseAlbumBytes(largestAlbumBytes());
        form.album().removeAll();
        ApplyAlbumFile(form.album(), contents, QStringLiteral("largest.valbum"));
        form.RefreshState(false);
        paintNow(form);
        state.SetIterationTime(elapsedSince(start));
        state.counters["images"] = static_cast<double>(form.album().count());
    }
}
BENCHMARK(BM_LoadLargestAlbumToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// One command on the largest album, shown with its selection in the middle.
template <typename Command>
void onLargestAlbum(benchmark::State &state, Command command)
{
    TForm1 form;
    ApplyAlbumFile(form.album(), ParseAlbumBytes(largestAlbumBytes()), QStringLiteral("largest.valbum"));
    form.RefreshState(false);
    form.show();
    form.selectEntry(form.album().count() / 2);
    paintNow(form);
    const QImage picture = MakeSamplePicture(SamplePicture::Photo, 7);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        command(form, picture);
        paintNow(form);
        state.SetIterationTime(elapsedSince(start));
    }
    state.counters["images"] = static_cast<double>(form.album().count());
}

void BM_DeleteOnLargestAlbum(benchmark::State &state)
{
    onLargestAlbum(state, [](TForm1 &form, const QImage &picture) {
        // Deleting and putting back keeps the album the same size throughout.
        const int at = form.selectedIndex();
        form.Button5Click();
        form.album().insert(at, picture);
        form.selectEntry(at);
    });
}
BENCHMARK(BM_DeleteOnLargestAlbum)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_MoveUpOnLargestAlbum(benchmark::State &state)
{
    onLargestAlbum(state, [](TForm1 &form, const QImage &) { form.Button2Click(); });
}
BENCHMARK(BM_MoveUpOnLargestAlbum)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_MoveDownOnLargestAlbum(benchmark::State &state)
{
    onLargestAlbum(state, [](TForm1 &form, const QImage &) { form.Button3Click(); });
}
BENCHMARK(BM_MoveDownOnLargestAlbum)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_InsertOnLargestAlbum(benchmark::State &state)
{
    onLargestAlbum(state, [](TForm1 &form, const QImage &picture) {
        const int at = form.selectedIndex();
        form.album().insert(at, picture);
        form.RefreshState(true);
        form.selectEntry(at);
    });
}
BENCHMARK(BM_InsertOnLargestAlbum)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
