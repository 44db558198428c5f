// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "imagerecords/bestfitlayout.h"
#include "qtimage/albumbitmap.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <vector>

class Album;

// Starts the meter's line when saving now would leave images out.
inline const QString WarningSign = QStringLiteral("\u26A0 ");

// How full the album's file would be, kept up to date as the album changes.
// Each image is compressed once, on worker threads, and its record is kept for
// as long as the image is in the album unchanged; saving writes those records,
// so the window never waits for compression it has already done. An image
// added for best fit is rendered in each rendering best fit chooses among,
// also on the workers, and once all are known the renderings are chosen for
// the whole album as `valbum create --best-fit` chooses them, on a worker too,
// from a copy of what the choice needs: the window never waits on it. A choice
// made for an album that has changed since is dropped, and while one is being
// made the next waits for it rather than piling up. Saving writes the choice
// the meter shows.
class CapacityMeter : public QObject
{
    Q_OBJECT

public:
    explicit CapacityMeter(Album &album, QObject *parent = nullptr);
    ~CapacityMeter() override;

    // True once the figures below are those of the album as it is now.
    bool settled() const { return m_settled; }
    // The file the album would be saved as, once settled.
    const AlbumWriteResult &layout() const { return m_layout; }

    // The record of the album's image `index`: the kept one, or made now; for
    // a best-fit image, the one best fit chose (settle() first).
    ImageRecord record(int index);
    // Makes now whatever the workers have not delivered yet and measures, so
    // the meter is settled and record() gives what it shows. When it is
    // settled already, nothing is made again: saving writes what is shown.
    void settle();

    // Replaces how the workers choose best fit's renderings (LayOutBestFit),
    // so that tests can hold a choice back while the album changes.
    using BestFitChooser = std::function<BestFitLayout(const BestFitSnapshot &)>;
    void setBestFitChooser(BestFitChooser chooser) { m_chooser = std::move(chooser); }

    // True once settled when saving now would not keep every image: some do
    // not fit, or one cannot be compressed.
    bool warns() const;

    // Whether saving now would leave album image `index` out: every image from
    // the first that does not fit on, or the one that cannot be compressed.
    // False until settled.
    bool leavesOut(int index) const;
    // Why, as a clause ("will not be saved: the album is full"); empty when it is kept.
    QString leftOutReason(int index) const;

    // One line for the window (see CapacitySummary): images, bytes of the
    // limit, how many fit; behind a warning sign when warns().
    QString summary() const;
    // For a best-fit image once settled, the rendering chosen for it
    // ("best fit shows it as Floyd-Steinberg"); empty otherwise.
    QString renderingNote(int index) const;
    // The same at length, for a tooltip.
    QString details() const;

signals:
    void changed();

private:
    void albumChanged();
    void scheduleRefresh();
    void refresh();
    bool startMissing();
    void compressInBackground(const QImage &image);
    void keep(qint64 key, const ImageRecord &record);
    void renderInBackground(const QImage &image, const ConversionOptions &options);
    void keepRenderings(qint64 key, const BestFitCandidates &renderings);
    BestFitSnapshot snapshot();
    void chooseInBackground();
    void keepChoice(quint64 generation, const BestFitLayout &layout);
    void show(BestFitLayout layout);

    Album &m_album;
    QHash<qint64, ImageRecord> m_records;          // by QImage::cacheKey(): an image's data never changes under its key
    QHash<qint64, BestFitCandidates> m_renderings; // of the best-fit images, by cache key
    QSet<qint64> m_pending;
    std::vector<int> m_chosenStep;      // for each image: its step of BestFitRenderings, or -1 when fixed or left out
    std::vector<int> m_renderingCounts; // how many images got each step
    QTimer m_refreshTimer;
    AlbumWriteResult m_layout;
    bool m_settled = false;
    quint64 m_generation = 0; // counts the album's changes: a choice is for the album of its generation
    bool m_choosing = false;  // a worker is choosing best fit's renderings
    BestFitChooser m_chooser = LayOutBestFit;
    QThreadPool m_workers; // last: finished before the rest goes
};
