// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's best fit over real photos, in a real (offscreen) window, with
// --smooth as `valbum create --best-fit --smooth` brings them in:
//  - the photos added one at a time, each shown before the next, and the time
//    from the last one's adding until the capacity line shows the choice for
//    all of them (target: at most 1 s), with the longest the window's thread
//    went without turning its event loop meanwhile;
//  - all the photos added at once, and the time until the line shows them;
//  - with --save OUT, the album saved as the editor saves it, and a table row
//    of how many photos it keeps, its bytes and their look, as look_vs_size
//    measures it (bench/look_vs_size.sh checks the file against valbum's).
//
//     editor_bestfit [--save OUT.valbum] PHOTO...

#include "albumfile/albumfile.h"
#include "conversion/look.h"
#include "editor/document/album.h"
#include "imagerecords/bestfitlayout.h"
#include "editor/document/capacitymeter.h"
#include "editor/window/unit1.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/albumimage.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

struct Wait
{
    bool settled = false;
    double milliseconds = 0;  // from the start until the line showed the album
    double longestTurnMs = 0; // the longest one trip through the window's event loop took
};

// Turns the event loop, as the window does, until the meter is settled.
Wait waitUntilSettled(CapacityMeter &meter, const QElapsedTimer &since)
{
    Wait wait;
    QDeadlineTimer deadline(120'000);
    QElapsedTimer turn;
    while (!meter.settled() && !deadline.hasExpired()) {
        turn.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        wait.longestTurnMs = std::max(wait.longestTurnMs, static_cast<double>(turn.nsecsElapsed()) / 1e6);
    }
    wait.settled = meter.settled();
    wait.milliseconds = static_cast<double>(since.nsecsElapsed()) / 1e6;
    return wait;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList photos = application.arguments().mid(1);
    QString savePath;
    if (photos.size() > 1 && photos.first() == QStringLiteral("--save")) {
        savePath = photos.at(1);
        photos = photos.mid(2);
    }
    if (photos.isEmpty() || !InitCompression()) {
        std::fprintf(stderr, "usage: editor_bestfit [--save OUT.valbum] PHOTO...\n");
        return 64;
    }

    // Read before timing: the window reads a picture when it is added, before
    // the meter hears of it.
    ConversionOptions options;
    options.smooth = true;
    QList<QImage> placed;
    for (const QString &photo : photos) {
        const PictureImport load = ImportPicture(photo, BestFitPlacement(options));
        if (!load.ok) {
            std::fprintf(stderr, "%s: cannot be read\n", qPrintable(photo));
            return 2;
        }
        placed.append(load.albumImage);
    }

    TForm1 oneByOne;
    CapacityMeter &meter = oneByOne.capacityMeter();
    QElapsedTimer clock;
    for (qsizetype index = 0; index + 1 < placed.size(); ++index) {
        oneByOne.album().append(placed.at(index), options);
        clock.start();
        if (!waitUntilSettled(meter, clock).settled)
            return 1;
    }
    clock.start();
    oneByOne.album().append(placed.last(), options);
    const Wait last = waitUntilSettled(meter, clock);
    if (!last.settled)
        return 1;
    std::printf("%lld photos added one at a time: the last shown in %.0f ms (at most 1000); "
                "the window's longest turn meanwhile %.0f ms\n",
                static_cast<long long>(placed.size()), last.milliseconds, last.longestTurnMs);

    TForm1 atOnce;
    clock.start();
    for (const QImage &image : placed)
        atOnce.album().append(image, options);
    const Wait all = waitUntilSettled(atOnce.capacityMeter(), clock);
    if (!all.settled)
        return 1;
    std::printf("%lld photos added at once: shown in %.0f ms; the window's longest turn meanwhile %.0f ms\n",
                static_cast<long long>(placed.size()), all.milliseconds, all.longestTurnMs);
    std::printf("line: %s\ntooltip: %s\n", qPrintable(meter.summary()), qPrintable(meter.details()));

    // Where the time after the last add goes: its renderings, then the choice
    // and the layout over every photo.
    BestFitSnapshot snapshot;
    for (const QImage &image : placed) {
        clock.start();
        snapshot.images.push_back({RenderForBestFit(AlbumBitmapOf(image), options), {}});
    }
    const double renderMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    clock.start();
    const BestFitLayout layout = LayOutBestFit(snapshot);
    std::printf("the last photo's renderings: %.0f ms; the choice and layout over %lld: %.0f ms (%d fit)\n", renderMs,
                static_cast<long long>(placed.size()), static_cast<double>(clock.nsecsElapsed()) / 1e6,
                layout.file.imagesWritten);

    if (savePath.isEmpty())
        return 0;
    const AlbumWriteResult saved =
        WriteAlbum(oneByOne.album(), savePath, [&meter](int index) { return meter.record(index); });
    if (!saved.ok) {
        std::fprintf(stderr, "%s: cannot be saved\n", qPrintable(savePath));
        return 1;
    }
    // The look of what was saved, against each photo's true greys as
    // look_vs_size takes them.
    Album reread;
    ReadAlbum(reread, savePath);
    double far = 0;
    double near = 0;
    for (int index = 0; index < reread.count(); ++index) {
        const PictureImport plain = ImportPicture(photos.at(index), options);
        const std::vector<float> truth = TrueGreys(AlbumBitmapOf(plain.albumImage), options);
        const std::vector<float> shown = ShownGreys(AlbumBitmapOf(reread.image(index)));
        far += Look(shown, truth, 1.0);
        near += Look(shown, truth, 0.6);
    }
    const int kept = std::max(reread.count(), 1);
    std::printf("| editor's best fit | %d of %lld | %zu | %.3f | %.3f |\n", reread.count(),
                static_cast<long long>(photos.size()), saved.bytes.size(), far / kept, near / kept);
    return 0;
}
