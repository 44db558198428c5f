// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/document/capacitymeter.h"

#include "editor/document/album.h"
#include "editor/document/capacitysummary.h"
#include "editor/document/greysnames.h"
#include "editor/translationcontexts.h"
#include "messages/albumtexts.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/imagerecord.h"
#include "qtimage/qtconversion.h"

namespace {

QString number(qint64 value)
{
    return CapacityNumber(value);
}

// A count of images, with the thousands separator the bytes have.
QString images(qint64 count)
{
    //: %1 is the count with its thousands separators.
    return CapacityLine::tr("%1 image(s)", nullptr, int(count)).arg(number(count));
}

// Best fit's renderings as the tooltip counts them, in the order of GreyDither's values.
QString renderingName(GreyDither greys)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("CapacityLine", "none"),     QT_TRANSLATE_NOOP("CapacityLine", "floyd-steinberg"),
        QT_TRANSLATE_NOOP("CapacityLine", "atkinson"), QT_TRANSLATE_NOOP("CapacityLine", "ordered"),
        QT_TRANSLATE_NOOP("CapacityLine", "compact"),  QT_TRANSLATE_NOOP("CapacityLine", "compact-diffusion")};
    return CapacityLine::tr(names[static_cast<std::size_t>(greys)]);
}

// The labels of images first .. count - 1, which saving now would leave out:
// each one while they are few, the first and the last when there are many.
QString leftOut(int first, int count)
{
    constexpr int MostNamed = 8;
    if (count - first > MostNamed)
        return CapacityLine::tr("images %1 to %2").arg(ImageLabel(first), ImageLabel(count - 1));
    QStringList labels;
    for (int index = first; index < count; ++index)
        labels.append(ImageLabel(index));
    //: %1 lists the images' labels: "007, 008, 009".
    return CapacityLine::tr("image(s) %1", nullptr, count - first).arg(labels.join(CapacityLine::tr(", ")));
}

} // namespace

CapacityMeter::CapacityMeter(Album &album, QObject *parent)
    : QObject(parent)
    , m_album(album)
{
    // Changes come in bursts (a load appends every image one by one): measure
    // once the burst is over, still within the same trip through the event loop.
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CapacityMeter::refresh);
    connect(&m_album, &QAbstractItemModel::rowsInserted, this, &CapacityMeter::albumChanged);
    connect(&m_album, &QAbstractItemModel::rowsRemoved, this, &CapacityMeter::albumChanged);
    connect(&m_album, &QAbstractItemModel::modelReset, this, &CapacityMeter::albumChanged);
    connect(&m_album, &QAbstractItemModel::dataChanged, this, &CapacityMeter::albumChanged);
    refresh();
}

CapacityMeter::~CapacityMeter()
{
    m_workers.clear();
    m_workers.waitForDone();
}

void CapacityMeter::albumChanged()
{
    ++m_generation;
    m_settled = false;
    m_refreshTimer.start();
}

void CapacityMeter::scheduleRefresh()
{
    if (!m_settled)
        m_refreshTimer.start();
}

void CapacityMeter::compressInBackground(const QImage &image)
{
    const qint64 key = image.cacheKey();
    if (m_pending.contains(key))
        return;
    m_pending.insert(key);
    m_workers.start([this, image, key] {
        const ImageRecord record = RecordOfImage(image);
        // Back on the window's thread; dropped if the meter is gone by then.
        QMetaObject::invokeMethod(
            this, [this, key, record] { keep(key, record); }, Qt::QueuedConnection);
    });
}

void CapacityMeter::keep(qint64 key, const ImageRecord &record)
{
    m_pending.remove(key);
    m_records.insert(key, record);
    scheduleRefresh();
}

void CapacityMeter::renderInBackground(const QImage &image, const ConversionOptions &options)
{
    const qint64 key = image.cacheKey();
    if (m_pending.contains(key))
        return;
    m_pending.insert(key);
    m_workers.start([this, image, options, key] {
        const BestFitCandidates renderings = RenderForBestFit(AlbumBitmapOf(image), options);
        QMetaObject::invokeMethod(
            this, [this, key, renderings] { keepRenderings(key, renderings); }, Qt::QueuedConnection);
    });
}

void CapacityMeter::keepRenderings(qint64 key, const BestFitCandidates &renderings)
{
    m_pending.remove(key);
    m_renderings.insert(key, renderings);
    scheduleRefresh();
}

void CapacityMeter::settle()
{
    if (m_settled)
        return;
    for (int index = 0; index < m_album.count(); ++index) {
        const QImage &image = m_album.image(index);
        if (const auto &options = m_album.bestFit(index)) {
            if (!m_renderings.contains(image.cacheKey()))
                m_renderings.insert(image.cacheKey(), RenderForBestFit(AlbumBitmapOf(image), *options));
        } else if (!m_records.contains(image.cacheKey())) {
            m_records.insert(image.cacheKey(), RecordOfImage(image));
        }
    }
    m_refreshTimer.stop();
    if (!m_album.hasBestFit()) {
        refresh();
        return;
    }
    // Only here does the window wait for the choice: what is saved must be the
    // album as it is. A worker's choice for this same album, if one is on its
    // way, finds the meter settled and is dropped.
    show(LayOutBestFit(snapshot()));
}

ImageRecord CapacityMeter::record(int index)
{
    const QImage &image = m_album.image(index);
    if (const auto &options = m_album.bestFit(index)) {
        auto kept = m_renderings.constFind(image.cacheKey());
        if (kept == m_renderings.constEnd())
            kept = m_renderings.insert(image.cacheKey(), RenderForBestFit(AlbumBitmapOf(image), *options));
        return kept->savedRecord(static_cast<std::size_t>(index) < m_chosenStep.size() ? m_chosenStep[index] : -1);
    }
    const auto kept = m_records.constFind(image.cacheKey());
    if (kept != m_records.constEnd())
        return *kept;
    const ImageRecord made = RecordOfImage(image);
    m_records.insert(image.cacheKey(), made);
    return made;
}

bool CapacityMeter::startMissing()
{
    const int count = m_album.count();
    QSet<qint64> live;
    live.reserve(count);
    bool complete = true;
    for (int index = 0; index < count; ++index) {
        const QImage &image = m_album.image(index);
        live.insert(image.cacheKey());
        if (const auto &options = m_album.bestFit(index)) {
            if (!m_renderings.contains(image.cacheKey())) {
                complete = false;
                renderInBackground(image, *options);
            }
        } else if (!m_records.contains(image.cacheKey())) {
            complete = false;
            compressInBackground(image);
        }
    }
    // Records of images that left the album go with them.
    for (auto it = m_records.begin(); it != m_records.end();)
        it = live.contains(it.key()) ? std::next(it) : m_records.erase(it);
    for (auto it = m_renderings.begin(); it != m_renderings.end();)
        it = live.contains(it.key()) ? std::next(it) : m_renderings.erase(it);
    return complete;
}

void CapacityMeter::refresh()
{
    if (m_settled)
        return;
    if (!startMissing()) {
        emit changed();
        return;
    }
    if (m_album.hasBestFit()) {
        chooseInBackground();
        emit changed();
        return;
    }
    // Without best fit there is nothing to choose: the layout is the records
    // laid end to end, quick enough for the window's thread.
    const int count = m_album.count();
    m_chosenStep.assign(static_cast<std::size_t>(count), -1);
    m_renderingCounts.assign(BestFitRenderings.size(), 0);
    m_layout = EncodeAlbumRecords(
        count, [this](int index) { return record(index); }, m_album.passwordText().toStdString());
    m_settled = true;
    emit changed();
}

BestFitSnapshot CapacityMeter::snapshot()
{
    BestFitSnapshot snapshot;
    snapshot.passwordText = m_album.passwordText().toStdString();
    snapshot.images.resize(static_cast<std::size_t>(m_album.count()));
    for (int index = 0; index < m_album.count(); ++index) {
        BestFitImage &image = snapshot.images[static_cast<std::size_t>(index)];
        const qint64 key = m_album.image(index).cacheKey();
        if (m_album.bestFit(index))
            image.renderings = m_renderings.value(key);
        else
            image.record = m_records.value(key);
    }
    return snapshot;
}

void CapacityMeter::chooseInBackground()
{
    // One choice at a time: when it comes back stale, refresh() asks again for
    // the album as it is then, so a burst of changes costs at most two.
    if (m_choosing)
        return;
    m_choosing = true;
    m_workers.start([this, input = snapshot(), generation = m_generation, choose = m_chooser] {
        const BestFitLayout layout = choose(input);
        QMetaObject::invokeMethod(
            this, [this, generation, layout] { keepChoice(generation, layout); }, Qt::QueuedConnection);
    });
}

void CapacityMeter::keepChoice(quint64 generation, const BestFitLayout &layout)
{
    m_choosing = false;
    if (m_settled)
        return; // settle() chose for this album already
    if (generation != m_generation) {
        m_refreshTimer.start(); // made for an album that has changed since
        return;
    }
    show(layout);
}

void CapacityMeter::show(BestFitLayout layout)
{
    m_chosenStep = std::move(layout.chosenStep);
    m_renderingCounts = std::move(layout.renderingCounts);
    m_layout = std::move(layout.file);
    m_settled = true;
    emit changed();
}

bool CapacityMeter::warns() const
{
    return m_settled && (!m_layout.ok || m_layout.imagesWritten < m_album.count());
}

bool CapacityMeter::leavesOut(int index) const
{
    if (!m_settled || index < 0 || index >= m_album.count())
        return false;
    return m_layout.ok ? index >= m_layout.imagesWritten : index == m_layout.failedImage;
}

QString CapacityMeter::leftOutReason(int index) const
{
    if (!leavesOut(index))
        return {};
    //: Follows "Image 007" in the image's tooltip.
    return m_layout.ok ? MainWindow::tr("will not be saved: the album is full")
                       //: Follows "Image 007" in the image's tooltip.
                       : MainWindow::tr("will not be saved: it cannot be compressed");
}

QString CapacityMeter::summary() const
{
    CapacityFigures figures;
    figures.count = m_album.count();
    figures.bestFit = m_album.hasBestFit();
    if (!m_settled) {
        figures.state = CapacityFigures::State::Measuring;
    } else if (!m_layout.ok) {
        figures.state = CapacityFigures::State::CannotSave;
        figures.failedImage = m_layout.failedImage;
    } else {
        figures.fitting = m_layout.imagesWritten;
        figures.bytes = m_layout.bytes.size();
        figures.state =
            figures.fitting < figures.count ? CapacityFigures::State::DoesNotFit : CapacityFigures::State::Fits;
    }
    return CapacitySummary(figures);
}

QString CapacityMeter::renderingNote(int index) const
{
    if (!m_settled || index < 0 || std::size_t(index) >= m_chosenStep.size() || m_chosenStep[std::size_t(index)] < 0)
        return {};
    const auto step = static_cast<std::size_t>(m_chosenStep[static_cast<std::size_t>(index)]);
    //: Follows "Image 007" in the image's tooltip; %1 is a choice of the picture dialog's Greys.
    return MainWindow::tr("best fit shows it as %1")
        .arg(GreyDitherTexts().at(static_cast<qsizetype>(BestFitRenderings[step])));
}

QString CapacityMeter::details() const
{
    const int count = m_album.count();
    if (!m_settled)
        //: %2 is "12 images".
        return CapacityLine::tr("Measuring how much of the album's %1 bytes the %2 take.")
            .arg(AlbumSizeLimitText(), images(count));
    if (!m_layout.ok)
        return CapacityLine::tr("Image %1 cannot be compressed: the album cannot be saved with it.")
            .arg(ImageLabel(m_layout.failedImage));
    QString text = CapacityLine::tr("Saved now, the album takes %1 of its %2 bytes.")
                       .arg(number(m_layout.bytes.size()), AlbumSizeLimitText());
    if (m_layout.imagesWritten < count)
        //: Follows the sentence before with a blank; %4 is "image 012" or "images 012, 013" or "images 012 to 099".
        text += CapacityLine::tr(" Only the first %1 of the %2 fit; saving leaves out the rest, from image %3 on: %4.")
                    .arg(number(m_layout.imagesWritten), number(count), ImageLabel(m_layout.imagesWritten),
                         leftOut(m_layout.imagesWritten, count));
    if (m_album.hasBestFit()) {
        QStringList counts;
        for (std::size_t step = 0; step < BestFitRenderings.size(); ++step)
            //: A count of pictures best fit renders one way: "3 compact".
            counts.append(CapacityLine::tr("%1 %2")
                              .arg(number(m_renderingCounts[step]))
                              .arg(renderingName(BestFitRenderings[step])));
        //: Follows the sentences before with a blank; %1 is "0 none, 1 compact, ...".
        text += CapacityLine::tr(" Best fit renders: %1.").arg(counts.join(CapacityLine::tr(", ")));
    }
    return text;
}
