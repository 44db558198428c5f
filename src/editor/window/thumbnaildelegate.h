// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

class CapacityMeter;

// Paints one album entry: the fill, the 92 x 92 image unscaled at (40, 2), the
// entry's position as a zero-padded label at (10, 42) on an opaque background,
// and the focus frame. An image that saving now would leave out is dimmed and
// carries a small warning mark, and its tooltip says why.
class ThumbnailDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int EntryHeight = 96;
    static constexpr QPoint ImageOffset{40, 2};
    static constexpr QPoint LabelOffset{10, 42};
    // The warning mark: a red triangle in the entry's top left corner.
    static constexpr QRect MarkRect{10, 8, 16, 14};
    static constexpr QRgb MarkColour = 0xFFC00000;

    ThumbnailDelegate(const CapacityMeter &meter, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    const CapacityMeter &m_meter;
};
