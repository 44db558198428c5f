// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"
#include "picture/albumbitmap.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

class Album;

// Starts the meter's line when saving now would leave images out.
inline const QString WarningSign = QStringLiteral("\u26A0 ");

// How full the album's file would be, kept up to date as the album changes.
// Each image is compressed once, on worker threads, and its record is kept for
// as long as the image is in the album unchanged; saving writes those records,
// so the window never waits for compression it has already done.
class CapacityMeter : public QObject
{
    Q_OBJECT

public:
    explicit CapacityMeter(Album &album, QObject *parent = nullptr);
    ~CapacityMeter() override;

    // True once every image's record is known and the figures below are final.
    bool settled() const { return m_settled; }
    // The file the album would be saved as, once settled.
    const AlbumWriteResult &layout() const { return m_layout; }

    // The record of the album's image `index`: the kept one, or made now.
    ImageRecord record(int index);

    // True once settled when saving now would not keep every image: some do
    // not fit, or one cannot be compressed.
    bool warns() const;

    // Whether saving now would leave album image `index` out: every image from
    // the first that does not fit on, or the one that cannot be compressed.
    // False until settled.
    bool leavesOut(int index) const;
    // Why, as a clause ("will not be saved: the album is full"); empty when it is kept.
    QString leftOutReason(int index) const;

    // One line for the window: images, bytes of the limit, how many fit;
    // behind a warning sign when warns().
    QString summary() const;
    // The same at length, for a tooltip.
    QString details() const;

signals:
    void changed();

private:
    void scheduleRefresh();
    void refresh();
    void compressInBackground(const QImage &image);
    void keep(qint64 key, const ImageRecord &record);

    Album &m_album;
    QHash<qint64, ImageRecord> m_records; // by QImage::cacheKey(): an image's data never changes under its key
    QSet<qint64> m_pending;
    QTimer m_refreshTimer;
    AlbumWriteResult m_layout;
    bool m_settled = false;
    QThreadPool m_workers; // last: finished before the rest goes
};
